# Cross-compiles for 64-bit Windows with Debian's mingw-w64 g++ (g++-mingw-w64-x86-64-posix), on
# Linux, and runs what it builds under wine: `cmake --preset windows` uses it.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The POSIX threads flavour of the compiler: the standard library's threads work with it.
set(GRIMSTEP_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GRIMSTEP_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GRIMSTEP_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GRIMSTEP_MINGW_TRIPLE}-windres)

# Headers and libraries come from the Windows sysroot only; programs (wine, groff) from this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${GRIMSTEP_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program carries its C and C++ runtime and threads library: none needs a DLL beside it, so
# a player can run it from anywhere and wine needs nothing from the cross compiler.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest runs the programs under wine, in a wine prefix of this build folder's own (see wine.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR sh "${CMAKE_CURRENT_LIST_DIR}/wine.sh" "${CMAKE_BINARY_DIR}/wine")
