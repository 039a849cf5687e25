# The time that a release's ZIP entries carry, in seconds since 1970: SOURCE_DATE_EPOCH where it is
# set, else the time of the checkout's last commit, so that the same commit gives the same ZIP.
function(tessorin_release_time source result)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(${result} $ENV{SOURCE_DATE_EPOCH} PARENT_SCOPE)
        return()
    endif()
    execute_process(COMMAND git -C ${source} log -1 --format=%ct
        OUTPUT_VARIABLE seconds OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed OR NOT seconds MATCHES "^[0-9]+$")
        message(FATAL_ERROR "no commit time in ${source}; set SOURCE_DATE_EPOCH")
    endif()
    set(${result} ${seconds} PARENT_SCOPE)
endfunction()
