# cmake -DFUZZER=target -DSECONDS=n -DFOUND=dir -DSEEDS=dir -P run_fuzzer.cmake
# Runs a libFuzzer target for SECONDS on its corpus and prints one line, "fuzzed: NAME ...", with
# the inputs it ran; only where it found a fault does it print the fuzzer's own output, and fail.
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -print_final_stats=1 -timeout=10 ${FOUND} ${SEEDS}
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
get_filename_component(name ${FUZZER} NAME)
if(failed OR NOT output MATCHES "stat::number_of_executed_units: ([0-9]+)")
    message("${output}")
    message(FATAL_ERROR "${name} found a fault (exit ${failed})")
endif()
message("fuzzed: ${name}: ${CMAKE_MATCH_1} inputs in ${SECONDS} s, no crash, leak or slow input")
