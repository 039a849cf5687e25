# cmake -DSOURCE=dir -DWORK=dir -DTOOLCHAIN=file -P check_reproducible.cmake
# Builds tessorin.exe twice, in two folders of different names, and fails unless the two
# executables are the same byte for byte.
file(REMOVE_RECURSE "${WORK}")
foreach(tree first second-build-in-a-longer-folder)
    execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}/${tree}" -G Ninja
            --toolchain "${TOOLCHAIN}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
        OUTPUT_QUIET RESULT_VARIABLE failed)
    if(NOT failed)
        execute_process(COMMAND ${CMAKE_COMMAND} --build "${WORK}/${tree}" --target tessorin
            OUTPUT_QUIET RESULT_VARIABLE failed)
    endif()
    if(failed)
        message(FATAL_ERROR "the build in ${WORK}/${tree} failed")
    endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/first/app/tessorin.exe"
        "${WORK}/second-build-in-a-longer-folder/app/tessorin.exe"
    RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "two builds of the same sources differ")
endif()
file(SHA256 "${WORK}/first/app/tessorin.exe" digest)
message(STATUS "both builds: tessorin.exe SHA-256 ${digest}")
