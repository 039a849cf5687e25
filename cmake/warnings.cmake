# Warnings are errors for the project's own targets; third-party code keeps its own settings.
function(tessorin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
    # GCC 12 reports overlapping copies inside std::string's operator+ that cannot happen
    # (GCC bug 105329); the warning is kept on every other compiler.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()
