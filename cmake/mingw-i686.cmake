# Cross build for 32-bit Windows, the release; tests run under 32-bit Wine where the host can.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLET i686-w64-mingw32)
set(WINE_BITS 32)

# Doubles are computed in SSE2 registers, so that each result is rounded to double precision as
# the code says, whatever precision the x87 unit runs with; nothing carries excess precision.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
