# Cross build for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCREPULO_WITH_QT=OFF -DCREPULO_BENCH=OFF -DCREPULO_GTEST_FROM_SOURCE=ON
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CREPULO_MINGW_TRIPLET x86_64-w64-mingw32)
# The POSIX-threads variant: std::thread, std::mutex and friends need it with GCC 12.
find_program(CMAKE_CXX_COMPILER NAMES ${CREPULO_MINGW_TRIPLET}-g++-posix ${CREPULO_MINGW_TRIPLET}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${CREPULO_MINGW_TRIPLET}-gcc-posix ${CREPULO_MINGW_TRIPLET}-gcc REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${CREPULO_MINGW_TRIPLET}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${CREPULO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthreads go into each .exe, so it runs
# (under Wine too) without any DLL from the compiler beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
