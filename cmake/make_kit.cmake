# cmake -DSOURCE=dir -DOUTPUT=zip -DFILES=file|file|... -P make_kit.cmake
# Packs FILES side by side into the ZIP OUTPUT as the release ZIPs are packed: every entry with the
# release time (in UTC), in a fixed order and with fixed permissions (strip-nondeterminism), so that
# the same files give the same bytes.
include(${SOURCE}/cmake/release_time.cmake)
tessorin_release_time(${SOURCE} seconds)
string(REPLACE "|" ";" FILES "${FILES}")
set(stage ${OUTPUT}.files)
file(REMOVE_RECURSE ${stage})
file(REMOVE ${OUTPUT})
file(COPY ${FILES} DESTINATION ${stage})
file(GLOB names RELATIVE ${stage} ${stage}/*)
list(SORT names)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUTPUT} --format=zip ${names}
    WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
if(NOT failed)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
            strip-nondeterminism --type zip --timestamp ${seconds} ${OUTPUT}
        RESULT_VARIABLE failed)
endif()
file(REMOVE_RECURSE ${stage})
if(failed)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "the kit ${OUTPUT} could not be packed")
endif()
