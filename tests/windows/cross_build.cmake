# The tests of a cross build for Windows, made on Linux: GoogleTest is built from Debian's sources
# (googletest) with the cross compiler, and the tests run under wine, the toolchain's emulator.

set(GRIMSTEP_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's sources, built for the target")
if(NOT EXISTS "${GRIMSTEP_GOOGLETEST_SOURCES}/CMakeLists.txt")
    message(FATAL_ERROR "No GoogleTest sources in ${GRIMSTEP_GOOGLETEST_SOURCES}: apt-get install googletest, "
                        "or configure with -DBUILD_TESTING=OFF")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "")
set(INSTALL_GTEST OFF CACHE BOOL "")
add_subdirectory("${GRIMSTEP_GOOGLETEST_SOURCES}" "${CMAKE_CURRENT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
# Its code is not held to our warnings.
set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)

# The tests are built optimised only here, where g++ 12 wrongly warns that std::string::insert may
# copy overlapping bytes (its bug 105329, fixed in g++ 13).
add_compile_options("$<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>")

# The wine prefix is made before the first test program runs in it (two first starts at once would
# both make it), its wine server kept running meanwhile, so that each program starts at once, and
# stopped after the last test, so that nothing lingers.
add_test(NAME Wine.Started COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --start)
add_test(NAME Wine.Stopped COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --stop)
set_tests_properties(Wine.Started PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
set_tests_properties(Wine.Stopped PROPERTIES FIXTURES_CLEANUP wine)

# Each test program is one test, run whole: under wine a start costs more than most test cases, and
# discovering the cases would start each program under wine at build time as well. This stands in
# for GoogleTest's module of the same name, which a cross build does not include.
function(gtest_discover_tests target)
    cmake_parse_arguments(PARSE_ARGV 1 discovery "" "" "PROPERTIES")
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine ${discovery_PROPERTIES})
endfunction()
