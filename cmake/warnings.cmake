# Warnings are errors for the project's own targets; third-party code keeps its own settings.
function(tessorin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
