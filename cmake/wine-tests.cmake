include_guard(GLOBAL)

# Tests of Windows executables run under Wine through scripts/wine-run, the build's emulator,
# which also answers 77 (skipped) where this bitness's Wine cannot run. A wineserver and Wine's
# service processes started once for the whole run spare each test the start of Wine's helpers.
set(TESSORIN_WINE_RUN ${CMAKE_CROSSCOMPILING_EMULATOR})
set(TESSORIN_WINE_SKIPPED 77)

if(CMAKE_CROSSCOMPILING)
    # A virtual display for the window tests on a number free when it starts, started first so
    # that Wine's services know it; wine-run takes the number and the key from its state.
    set(xvfb_state ${CMAKE_BINARY_DIR}/xvfb)
    set(TESSORIN_DISPLAY_ENVIRONMENT "TESSORIN_DISPLAY_STATE=${xvfb_state}")
    add_test(NAME xvfb_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb start ${xvfb_state})
    add_test(NAME xvfb_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb stop ${xvfb_state})
    set_tests_properties(xvfb_start PROPERTIES FIXTURES_SETUP display)
    set_tests_properties(xvfb_stop PROPERTIES FIXTURES_CLEANUP display)
    # Wine's server and services end before the display does.
    add_test(NAME wineserver_start COMMAND ${TESSORIN_WINE_RUN} --start)
    add_test(NAME wineserver_stop COMMAND ${TESSORIN_WINE_RUN} --stop)
    set_tests_properties(wineserver_start PROPERTIES FIXTURES_SETUP wine FIXTURES_REQUIRED display
        ENVIRONMENT "${TESSORIN_DISPLAY_ENVIRONMENT}" SKIP_RETURN_CODE ${TESSORIN_WINE_SKIPPED})
    set_tests_properties(wineserver_stop PROPERTIES FIXTURES_CLEANUP wine FIXTURES_REQUIRED display
        SKIP_RETURN_CODE ${TESSORIN_WINE_SKIPPED})

    # The tests' time limit grows with their waits, as much as this host needs (wine-run says).
    execute_process(COMMAND ${TESSORIN_WINE_RUN} --wait-scale
        OUTPUT_VARIABLE wait_scale OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR TESSORIN_WINE_TIMEOUT "300 * ${wait_scale}")

    # 64-bit Wine that does not start on an x86-64 host fails the tests rather than skipping them.
    list(GET TESSORIN_WINE_RUN 1 wine_bits)
    if(wine_bits EQUAL 64 AND CMAKE_HOST_SYSTEM_PROCESSOR STREQUAL "x86_64")
        add_test(NAME broken_wine64_fails
            COMMAND sh -c "out=$(TESSORIN_WINE_DIR=/nonexistent \"$0\" 64 cmd); echo \"$out, $?\""
                ${PROJECT_SOURCE_DIR}/scripts/wine-run)
        set_tests_properties(broken_wine64_fails PROPERTIES
            PASS_REGULAR_EXPRESSION "^failed: this host does not run 64-bit Wine [^\n]*, 1\n$")
    endif()
endif()

# Adds the test name that runs target; under Wine when the build is for Windows.
function(tessorin_add_test name target)
    add_test(NAME ${name} COMMAND ${target} ${ARGN})
    if(CMAKE_CROSSCOMPILING)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine
            SKIP_RETURN_CODE ${TESSORIN_WINE_SKIPPED} TIMEOUT ${TESSORIN_WINE_TIMEOUT})
    endif()
endfunction()

# Adds a test of the window program: under Wine on the virtual display, where one test at a time
# gives input; tests that need no display may run beside it.
function(tessorin_add_window_test name target)
    tessorin_add_test(${name} ${target} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "wine;display"
        ENVIRONMENT "${TESSORIN_DISPLAY_ENVIRONMENT}" RESOURCE_LOCK display)
endfunction()
