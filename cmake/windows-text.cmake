# Writes a text for Windows players, with CR LF line ends: a plain file as it is, or, given GROFF,
# a manual page rendered as plain text (no bold, no underlining, no escape sequences).
# Usage: cmake -DSOURCE=README.txt -DOUTPUT=out/README.txt -P windows-text.cmake
#        cmake -DGROFF=/usr/bin/groff -DSOURCE=grimstep.6 -DOUTPUT=out/MANUAL.txt -P windows-text.cmake
if(DEFINED GROFF)
    if(NOT GROFF)
        message(FATAL_ERROR "groff renders the manual page for Windows, and it is not installed: "
                            "apt-get install groff-base")
    endif()
    execute_process(
        COMMAND "${GROFF}" -man -Tascii -P-c -P-b -P-u -P-o "${SOURCE}"
        OUTPUT_VARIABLE text
        ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
        message(FATAL_ERROR "groff could not render ${SOURCE} (${status}):\n${errors}")
    endif()
else()
    file(READ "${SOURCE}" text)
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
