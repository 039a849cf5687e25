# Cross build for 64-bit Windows; tests run under 64-bit Wine, which every x86-64 host can run.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(WINE_BITS 64)

include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
