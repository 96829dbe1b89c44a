# What each toolchain we ship can do: g++ and clang++ on Linux, mingw-w64 g++ for Windows, em++
# for the browser. The engine and the story build everywhere; the rest is guarded here by what it
# needs: the compiler's flags, the platform's console, and whether programs built here run here.

# Warnings every target of ours is held to, in the spelling of the GCC-like compilers we use.
add_library(grimstep_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(grimstep_warnings INTERFACE -Wall -Wextra -Wpedantic)
endif()

# No folder names in an optimised build, so that every checkout and build folder makes the same
# bytes: with debug information they would differ, and with them the build-id that survives
# stripping. The build folder is mapped last, so that it wins where it lies inside the sources.
# Debug builds keep whole paths for the debugger.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(
        "$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.;-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
endif()

# How the game links its runtime. On Linux the C++ runtime is linked in: loading the shared one
# took longer than the rest of start-up.
add_library(grimstep_runtime INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT EMSCRIPTEN)
    target_link_options(grimstep_runtime INTERFACE -static-libstdc++ -static-libgcc)
endif()
# On Windows everything is linked in, the threads library too: grimstep.exe needs no DLL beside it.
if(MINGW)
    target_link_options(grimstep_runtime INTERFACE -static)
endif()

# The one console of this platform; each is the only code that knows its platform.
if(EMSCRIPTEN)
    set(GRIMSTEP_CONSOLE app/web_console.cpp)
elseif(WIN32)
    set(GRIMSTEP_CONSOLE app/windows_console.cpp)
else()
    set(GRIMSTEP_CONSOLE app/posix_console.cpp)
endif()

# POSIX: fork, pipes, pseudo-terminals and spawn, for the benchmark and the tests of the program.
if(UNIX AND NOT EMSCRIPTEN)
    set(GRIMSTEP_POSIX ON)
else()
    set(GRIMSTEP_POSIX OFF)
endif()

# Built for the machine it is built on, so its programs can be run by the build and the tests
# directly (a cross build runs its tests through CMAKE_CROSSCOMPILING_EMULATOR instead).
if(CMAKE_CROSSCOMPILING)
    set(GRIMSTEP_HOST_BUILD OFF)
else()
    set(GRIMSTEP_HOST_BUILD ON)
endif()
