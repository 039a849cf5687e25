# cmake -DFILE=path -DLIMIT=bytes -P check_size.cmake: fails when the file is larger than LIMIT.
file(SIZE "${FILE}" size)
message(STATUS "${FILE}: ${size} bytes, limit ${LIMIT}")
if(size GREATER LIMIT)
    # The path is on the status line above: CMake wraps long error texts, and a test matches this one.
    message(FATAL_ERROR "too large: ${size} bytes, more than the ${LIMIT} allowed")
endif()
