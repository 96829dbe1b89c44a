include(GNUInstallDirs)

install(TARGETS grimstep RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The manual page, gzipped as Debian keeps manuals; man reads it either way.
set(GRIMSTEP_MANUAL "${PROJECT_BINARY_DIR}/grimstep.6.gz")
add_custom_command(
    OUTPUT "${GRIMSTEP_MANUAL}"
    COMMAND "${CMAKE_COMMAND}" "-DSOURCE=${PROJECT_SOURCE_DIR}/man/grimstep.6" "-DOUTPUT=${GRIMSTEP_MANUAL}"
            -P "${PROJECT_SOURCE_DIR}/cmake/compress-manual.cmake"
    DEPENDS "${PROJECT_SOURCE_DIR}/man/grimstep.6" "${PROJECT_SOURCE_DIR}/cmake/compress-manual.cmake"
    COMMENT "Compressing the manual page"
    VERBATIM)
add_custom_target(grimstep_manual ALL DEPENDS "${GRIMSTEP_MANUAL}")
install(FILES "${GRIMSTEP_MANUAL}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
