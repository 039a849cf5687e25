# cmake -DSOURCE=dir -DOWN=dir -DWORK=dir -DTOOLCHAIN=file -P check_reproducible.cmake
# Builds the release and the test kit once more, in a folder of another name below a folder of its
# own in WORK, and fails unless the executable, the release ZIP and the test kit are the same byte
# for byte as those of the build in OWN, the test command's own.
string(RANDOM LENGTH 8 run)
set(work ${WORK}/${run})
set(tree ${work}/second-build-in-a-longer-folder)
execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE}" -B "${tree}" -G Ninja
        --toolchain "${TOOLCHAIN}" -DCMAKE_BUILD_TYPE=Release
    OUTPUT_QUIET RESULT_VARIABLE failed)
if(NOT failed)
    execute_process(COMMAND ${CMAKE_COMMAND} --build "${tree}" --target tessorin guide test_kit
        OUTPUT_QUIET RESULT_VARIABLE failed)
endif()
if(NOT failed)
    execute_process(COMMAND cpack -B "${work}/own" WORKING_DIRECTORY "${OWN}"
        OUTPUT_QUIET RESULT_VARIABLE failed)
endif()
if(NOT failed)
    execute_process(COMMAND cpack -B "${work}/other" WORKING_DIRECTORY "${tree}"
        OUTPUT_QUIET RESULT_VARIABLE failed)
endif()
if(failed)
    message(FATAL_ERROR "the build or the packing in ${tree} failed")
endif()

# Fails unless the files own and other are the same byte for byte.
function(compare own other)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${own}" "${other}"
        RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "two builds of the same sources differ: ${own} and ${other}")
    endif()
    file(SHA256 "${own}" digest)
    message(STATUS "both builds: ${own} SHA-256 ${digest}")
endfunction()

file(GLOB kit RELATIVE "${tree}" "${tree}/tessorin-*-tests.zip")
file(GLOB release RELATIVE "${work}/other" "${work}/other/*.zip")
if(NOT kit OR NOT release)
    message(FATAL_ERROR "no test kit or no release ZIP from ${tree}")
endif()
compare("${OWN}/app/tessorin.exe" "${tree}/app/tessorin.exe")
compare("${work}/own/${release}" "${work}/other/${release}")
compare("${OWN}/${kit}" "${tree}/${kit}")
file(REMOVE_RECURSE ${work})
