# cmake -DCONFIG=CPackConfig.cmake -DWORK=dir -DSOURCE=dir -DPYTHON=python -DVERSION=v
#   -P check_package.cmake
# Makes the release ZIP in a folder of its own below WORK, so that two test runs at once do not
# meet, and checks it as a user receives it (tests/check_release.py).
include(${SOURCE}/cmake/release_time.cmake)
string(RANDOM LENGTH 8 run)
set(work ${WORK}/${run})
execute_process(COMMAND cpack --config ${CONFIG} -B ${work} OUTPUT_QUIET RESULT_VARIABLE failed)
file(GLOB archives ${work}/*.zip)
list(LENGTH archives count)
if(failed OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made no single ZIP in ${work}")
endif()
tessorin_release_time(${SOURCE} seconds)
execute_process(COMMAND ${PYTHON} ${SOURCE}/tests/check_release.py ${archives} ${VERSION} ${seconds}
    RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${work})
if(failed)
    message(FATAL_ERROR "the release ZIP is not as a user should receive it")
endif()
