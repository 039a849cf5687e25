# Run by cpack once it has made the ZIP: strip-nondeterminism gives every entry the release time
# (in UTC), a fixed order and fixed permissions, so that the same commit gives the same bytes.
include(${CPACK_TESSORIN_SOURCE_DIR}/cmake/release_time.cmake)
tessorin_release_time(${CPACK_TESSORIN_SOURCE_DIR} seconds)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
            strip-nondeterminism --type zip --timestamp ${seconds} ${package}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "strip-nondeterminism could not normalise ${package}")
    endif()
endforeach()
