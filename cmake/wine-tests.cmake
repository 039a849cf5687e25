include_guard(GLOBAL)

# Tests of Windows executables run under Wine in the project's prefix. A wineserver and Wine's
# service processes started once for the whole run, with their output detached, spare each test
# the start of Wine's helpers, and CTest the wait for helpers that still hold a test's output.
set(TESSORIN_WINEPREFIX "${PROJECT_SOURCE_DIR}/build/wine" CACHE PATH "Wine prefix for the tests")
set(TESSORIN_WINE_ENVIRONMENT
    "WINEPREFIX=${TESSORIN_WINEPREFIX}" "WINEARCH=win32" "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml=")

set(TESSORIN_DISPLAY ":87" CACHE STRING "X display of the Xvfb that the window tests start")

if(CMAKE_CROSSCOMPILING)
    # A virtual display for the window tests, started first so that Wine's services know it.
    add_test(NAME xvfb_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb start ${TESSORIN_DISPLAY})
    add_test(NAME xvfb_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb stop ${TESSORIN_DISPLAY})
    set_tests_properties(xvfb_start PROPERTIES FIXTURES_SETUP display)
    set_tests_properties(xvfb_stop PROPERTIES FIXTURES_CLEANUP display)
    add_test(NAME wineserver_start
        COMMAND sh -c "exec </dev/null >/dev/null 2>&1; wineserver -p && wine cmd /c exit")
    add_test(NAME wineserver_stop COMMAND sh -c "wineserver -k || true")
    set_tests_properties(wineserver_start PROPERTIES FIXTURES_SETUP wine FIXTURES_REQUIRED display
        ENVIRONMENT "${TESSORIN_WINE_ENVIRONMENT};DISPLAY=${TESSORIN_DISPLAY}")
    set_tests_properties(wineserver_stop PROPERTIES
        FIXTURES_CLEANUP wine ENVIRONMENT "${TESSORIN_WINE_ENVIRONMENT}")
endif()

# Adds the test name that runs target; under Wine when the build is for Windows.
function(tessorin_add_test name target)
    add_test(NAME ${name} COMMAND ${target} ${ARGN})
    if(CMAKE_CROSSCOMPILING)
        set_tests_properties(${name} PROPERTIES
            FIXTURES_REQUIRED wine ENVIRONMENT "${TESSORIN_WINE_ENVIRONMENT}")
    endif()
endfunction()

# Adds a test of the window program: under Wine on the virtual display, one at a time.
function(tessorin_add_window_test name target)
    tessorin_add_test(${name} ${target} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "wine;display"
        ENVIRONMENT "${TESSORIN_WINE_ENVIRONMENT};DISPLAY=${TESSORIN_DISPLAY}" RUN_SERIAL TRUE)
endfunction()
