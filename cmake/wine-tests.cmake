include_guard(GLOBAL)

# Tests of Windows executables run under Wine through scripts/wine-run, the build's emulator,
# which also answers 77 (skipped) where this bitness's Wine cannot run. A wineserver and Wine's
# service processes started once for the whole run spare each test the start of Wine's helpers.
set(TESSORIN_WINE_RUN ${CMAKE_CROSSCOMPILING_EMULATOR})
set(TESSORIN_WINE_SKIPPED 77)
# One display per bitness, so that the two Windows builds never share one.
set(display ":87")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(display ":88")
endif()
set(TESSORIN_DISPLAY ${display} CACHE STRING "X display of the Xvfb that the window tests start")

if(CMAKE_CROSSCOMPILING)
    # A virtual display for the window tests, started first so that Wine's services know it.
    add_test(NAME xvfb_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb start ${TESSORIN_DISPLAY})
    add_test(NAME xvfb_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb stop ${TESSORIN_DISPLAY})
    set_tests_properties(xvfb_start PROPERTIES FIXTURES_SETUP display)
    set_tests_properties(xvfb_stop PROPERTIES FIXTURES_CLEANUP display)
    add_test(NAME wineserver_start COMMAND ${TESSORIN_WINE_RUN} --start)
    add_test(NAME wineserver_stop COMMAND ${TESSORIN_WINE_RUN} --stop)
    set_tests_properties(wineserver_start PROPERTIES FIXTURES_SETUP wine FIXTURES_REQUIRED display
        ENVIRONMENT "DISPLAY=${TESSORIN_DISPLAY}" SKIP_RETURN_CODE ${TESSORIN_WINE_SKIPPED})
    set_tests_properties(wineserver_stop PROPERTIES
        FIXTURES_CLEANUP wine SKIP_RETURN_CODE ${TESSORIN_WINE_SKIPPED})
endif()

# Adds the test name that runs target; under Wine when the build is for Windows.
function(tessorin_add_test name target)
    add_test(NAME ${name} COMMAND ${target} ${ARGN})
    if(CMAKE_CROSSCOMPILING)
        set_tests_properties(${name} PROPERTIES
            FIXTURES_REQUIRED wine SKIP_RETURN_CODE ${TESSORIN_WINE_SKIPPED})
    endif()
endfunction()

# Adds a test of the window program: under Wine on the virtual display, one at a time.
function(tessorin_add_window_test name target)
    tessorin_add_test(${name} ${target} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "wine;display"
        ENVIRONMENT "DISPLAY=${TESSORIN_DISPLAY}" RUN_SERIAL TRUE)
endfunction()
