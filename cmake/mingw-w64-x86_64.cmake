# Cross-compiling for 64-bit Windows with the distribution's mingw-w64.
# The "posix" flavour of the compiler: its C++ library is complete
# (std::thread, std::mutex, std::condition_variable over winpthreads); the
# "win32" flavour of this compiler release lacks those. Everything is linked
# statically (libstdc++, libgcc, winpthreads), so the .exe runs on its own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVALE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVALE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVALE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVALE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVALE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
