include_guard(GLOBAL)

# In the Windows builds, what goes to a user (the release's program and the test kit's programs)
# is built without build paths, stripped and without a time stamp, so that the same sources give
# the same bytes in any folder at any time.
function(tessorin_reproducible target)
    if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
        target_compile_options(${target} PRIVATE -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
            -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
        target_link_options(${target} PRIVATE -s -Wl,--no-insert-timestamp)
    endif()
endfunction()
