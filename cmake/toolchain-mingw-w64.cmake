# Cross-compiles Vaneko for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64-posix).
# MinGW-w64 keeps long double as the x87 80-bit extended type that the arithmetic relies on;
# MSVC does not.
#
#   cmake -S . -B build/mingw -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64.cmake
#
# Everything links statically against the compiler's runtime, so a program needs no DLL but our
# own vmath.dll, which the build puts in the same folder as the programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANEKO_MINGW_PREFIX x86_64-w64-mingw32)
# The posix flavour brings std::thread and std::mutex; the win32 one lacks them in g++ 12.
# On Windows itself (Qt's MinGW-w64 kit), the compilers are plain gcc and g++.
find_program(CMAKE_C_COMPILER NAMES ${VANEKO_MINGW_PREFIX}-gcc-posix ${VANEKO_MINGW_PREFIX}-gcc gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${VANEKO_MINGW_PREFIX}-g++-posix ${VANEKO_MINGW_PREFIX}-g++ g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${VANEKO_MINGW_PREFIX}-windres windres REQUIRED)

if(NOT CMAKE_HOST_WIN32)
  # Cross-compiling from Linux: libraries and headers come from the MinGW-w64 tree only.
  set(CMAKE_FIND_ROOT_PATH /usr/${VANEKO_MINGW_PREFIX})
  set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
  set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
endif()

# No DLL from the compiler: libgcc, libstdc++ and winpthread are linked into each program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Run the cross-built programs under wine where CMake or CTest needs to (test discovery, ctest).
if(NOT CMAKE_HOST_WIN32)
  find_program(VANEKO_WINE NAMES wine wine64)
endif()
if(VANEKO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VANEKO_WINE})
endif()
