# Cross-compiles for 64-bit Windows with mingw-w64 (Debian's -posix compilers,
# which give std::thread and the C++ library in full). Programs are linked
# statically so that Wine finds no DLL missing, and ctest runs every test
# program through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Debian's wine64 package puts no `wine` on PATH; its loader lives here.
find_program(POLYSHARD_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(POLYSHARD_WINE NAMES wine64 wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${POLYSHARD_WINE})
