# A Debian package of the game, made in a build folder by `cpack -G DEB`: the game in /usr/games,
# its manual page, copyright and changelog, with the same bytes from every build of one commit.
set(CPACK_PACKAGE_NAME grimstep)
set(CPACK_PACKAGE_VENDOR "The GRIMSTEP developers")
set(CPACK_PACKAGE_CONTACT "The GRIMSTEP developers <grimstep@users.noreply.github.com>")
# Debian's synopsis is a phrase without a leading article.
string(REGEX REPLACE "^(A|An|The) " "" CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A branching story in 115 scenes, played by typing the number of an\n"
    "option: a schoolboy's rainy Friday from waking up at home, through a\n"
    "school day, to the walk home and the flooded hallway. Five points to\n"
    "score, credits, a hidden room, restart and quit.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

# One package of the manual page and of what only the package holds (see install-rules.cmake).
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL manual debian)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Exact library versions where Debian's tool for them is installed (dpkg-dev); the name alone otherwise.
# The C++ runtime is linked in, so the C library is all the game needs.
find_program(GRIMSTEP_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(GRIMSTEP_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS libc6)
endif()

set(CPACK_GRIMSTEP_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/package-time-stamps.cmake")

include(CPack)
