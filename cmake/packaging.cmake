# A Debian package of the game and its manual page, made in a build folder by `cpack -G DEB`.
set(CPACK_PACKAGE_NAME grimstep)
set(CPACK_PACKAGE_VENDOR "The GRIMSTEP developers")
set(CPACK_PACKAGE_CONTACT "The GRIMSTEP developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A branching story in 115 scenes, played by typing the number of an\n"
    "option: a schoolboy's rainy Friday from waking up at home, through a\n"
    "school day, to the walk home and the flooded hallway. Five points to\n"
    "score, credits, a hidden room, restart and quit.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Exact library versions where Debian's tool for them is installed (dpkg-dev); the names alone otherwise.
find_program(GRIMSTEP_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(GRIMSTEP_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()

include(CPack)
