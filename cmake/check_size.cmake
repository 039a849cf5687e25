# cmake -DFILE=path -DLIMIT=bytes -P check_size.cmake: fails when the file is larger than LIMIT.
file(SIZE "${FILE}" size)
message(STATUS "${FILE}: ${size} bytes, limit ${LIMIT}")
if(size GREATER LIMIT)
    message(FATAL_ERROR "${FILE} has ${size} bytes, more than the ${LIMIT} allowed")
endif()
