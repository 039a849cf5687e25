# Settings shared by the two MinGW-w64 cross builds; the toolchain files set MINGW_TRIPLET and
# WINE_BITS first. Tests run under the Wine of the same bitness, through scripts/wine-run.
set(CMAKE_SYSTEM_NAME Windows)

# The posix-thread variants: GoogleTest needs their std::thread and std::mutex.
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

# The cross compilers' own headers and libraries.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every executable imports only Windows system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The emulator stands in front of every executable target, so host tools are named by their path.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run ${WINE_BITS})
