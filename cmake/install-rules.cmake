include(GNUInstallDirs)

# A plain install puts the game into bin/. Debian keeps games in /usr/games, so the package takes its
# copy from the component "debian", which only cpack installs (EXCLUDE_FROM_ALL).
install(TARGETS grimstep RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT game)
install(TARGETS grimstep RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)

# Manual and changelog are gzipped as Debian keeps them, without a time stamp (see gzip-file.cmake).
find_program(GRIMSTEP_GZIP gzip)
function(grimstep_gzip source output)
    add_custom_command(
        OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}" "-DGZIP=${GRIMSTEP_GZIP}" "-DSOURCE=${source}" "-DOUTPUT=${output}"
                -P "${PROJECT_SOURCE_DIR}/cmake/gzip-file.cmake"
        DEPENDS "${source}" "${PROJECT_SOURCE_DIR}/cmake/gzip-file.cmake"
        COMMENT "Compressing ${source}"
        VERBATIM)
endfunction()

set(GRIMSTEP_MANUAL "${PROJECT_BINARY_DIR}/grimstep.6.gz")
set(GRIMSTEP_CHANGELOG "${PROJECT_BINARY_DIR}/changelog.gz")
grimstep_gzip("${PROJECT_SOURCE_DIR}/man/grimstep.6" "${GRIMSTEP_MANUAL}")
grimstep_gzip("${PROJECT_SOURCE_DIR}/packaging/debian/changelog" "${GRIMSTEP_CHANGELOG}")
add_custom_target(grimstep_documents ALL DEPENDS "${GRIMSTEP_MANUAL}" "${GRIMSTEP_CHANGELOG}")

install(FILES "${GRIMSTEP_MANUAL}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6" COMPONENT manual)
install(FILES "${GRIMSTEP_CHANGELOG}" "${PROJECT_SOURCE_DIR}/packaging/debian/copyright"
        DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT debian EXCLUDE_FROM_ALL)
