include(GNUInstallDirs)

install(TARGETS grimstep RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The manual page, gzipped as Debian keeps manuals, without a time stamp (see gzip-file.cmake).
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
grimstep_gzip("${PROJECT_SOURCE_DIR}/man/grimstep.6" "${GRIMSTEP_MANUAL}")
add_custom_target(grimstep_manual ALL DEPENDS "${GRIMSTEP_MANUAL}")
install(FILES "${GRIMSTEP_MANUAL}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
