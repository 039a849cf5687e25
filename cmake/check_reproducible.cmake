# cmake -DSOURCE=dir -DWORK=dir -DTOOLCHAIN=file -P check_reproducible.cmake
# Builds the release twice, one after the other in two folders of different names below a folder
# of its own in WORK, and fails unless the two executables and the two ZIPs are the same byte for
# byte.
string(RANDOM LENGTH 8 run)
set(work ${WORK}/${run})
foreach(tree first second-build-in-a-longer-folder)
    execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE}" -B "${work}/${tree}" -G Ninja
            --toolchain "${TOOLCHAIN}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
        OUTPUT_QUIET RESULT_VARIABLE failed)
    if(NOT failed)
        execute_process(COMMAND ${CMAKE_COMMAND} --build "${work}/${tree}" --target tessorin guide
            OUTPUT_QUIET RESULT_VARIABLE failed)
    endif()
    if(NOT failed)
        execute_process(COMMAND cpack -B "${work}/${tree}/package" WORKING_DIRECTORY "${work}/${tree}"
            OUTPUT_QUIET RESULT_VARIABLE failed)
    endif()
    if(failed)
        message(FATAL_ERROR "the build in ${work}/${tree} failed")
    endif()
endforeach()
file(GLOB zip RELATIVE "${work}/first/package" "${work}/first/package/*.zip")
if(NOT zip)
    message(FATAL_ERROR "cpack made no ZIP in ${work}/first/package")
endif()
foreach(file app/tessorin.exe package/${zip})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${work}/first/${file}"
            "${work}/second-build-in-a-longer-folder/${file}"
        RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "two builds of the same sources differ in ${file}")
    endif()
    file(SHA256 "${work}/first/${file}" digest)
    message(STATUS "both builds: ${file} SHA-256 ${digest}")
endforeach()
file(REMOVE_RECURSE ${work})
