# Cross build for 32-bit Windows with MinGW-w64 (posix threads); built and inspected only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TESSELUME_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${TESSELUME_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSELUME_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TESSELUME_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TESSELUME_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static run-time so the .scr needs only Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Single-precision arithmetic in SSE registers, as on the 64-bit build, instead of x87's wider
# intermediates: the geometry and matrices come out the same on both.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
