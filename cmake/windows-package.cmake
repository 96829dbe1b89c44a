# The Windows package, made in a Windows build folder by `cpack -G ZIP`: grimstep-<version>-win64.zip,
# one folder holding grimstep.exe, a README.txt for Windows players and the manual page as plain text
# (MANUAL.txt). The texts get CR LF line ends, so that Notepad shows them right.
install(TARGETS grimstep RUNTIME DESTINATION .)

find_program(GRIMSTEP_GROFF groff)
set(GRIMSTEP_WINDOWS_README "${PROJECT_BINARY_DIR}/README.txt")
set(GRIMSTEP_WINDOWS_MANUAL "${PROJECT_BINARY_DIR}/MANUAL.txt")
set(GRIMSTEP_WINDOWS_TEXT "${PROJECT_SOURCE_DIR}/cmake/windows-text.cmake")
add_custom_command(
    OUTPUT "${GRIMSTEP_WINDOWS_README}"
    COMMAND "${CMAKE_COMMAND}" "-DSOURCE=${PROJECT_SOURCE_DIR}/packaging/windows/README.txt"
            "-DOUTPUT=${GRIMSTEP_WINDOWS_README}" -P "${GRIMSTEP_WINDOWS_TEXT}"
    DEPENDS "${PROJECT_SOURCE_DIR}/packaging/windows/README.txt" "${GRIMSTEP_WINDOWS_TEXT}"
    COMMENT "Writing README.txt for Windows"
    VERBATIM)
add_custom_command(
    OUTPUT "${GRIMSTEP_WINDOWS_MANUAL}"
    COMMAND "${CMAKE_COMMAND}" "-DGROFF=${GRIMSTEP_GROFF}" "-DSOURCE=${PROJECT_SOURCE_DIR}/man/grimstep.6"
            "-DOUTPUT=${GRIMSTEP_WINDOWS_MANUAL}" -P "${GRIMSTEP_WINDOWS_TEXT}"
    DEPENDS "${PROJECT_SOURCE_DIR}/man/grimstep.6" "${GRIMSTEP_WINDOWS_TEXT}"
    COMMENT "Rendering the manual page as MANUAL.txt"
    VERBATIM)
add_custom_target(grimstep_windows_texts ALL DEPENDS "${GRIMSTEP_WINDOWS_README}" "${GRIMSTEP_WINDOWS_MANUAL}")
install(FILES "${GRIMSTEP_WINDOWS_README}" "${GRIMSTEP_WINDOWS_MANUAL}" DESTINATION .)

set(CPACK_PACKAGE_NAME grimstep)
set(CPACK_PACKAGE_VENDOR "The GRIMSTEP developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME "grimstep-${PROJECT_VERSION}-win64")
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
include(CPack)
