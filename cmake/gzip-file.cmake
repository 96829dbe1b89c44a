# Gzips one file: cmake -DGZIP=/bin/gzip -DSOURCE=grimstep.6 -DOUTPUT=grimstep.6.gz -P gzip-file.cmake
# gzip -n leaves the name and time stamp out of the header, so the same file always gives the same
# bytes, as Debian wants. CMake's own gzip writes the current time there: only for want of gzip.
if(GZIP)
    execute_process(COMMAND "${GZIP}" -9 -n -c "${SOURCE}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        file(REMOVE "${OUTPUT}")
        message(FATAL_ERROR "gzip could not compress ${SOURCE}: ${status}")
    endif()
else()
    file(ARCHIVE_CREATE OUTPUT "${OUTPUT}" PATHS "${SOURCE}" FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9)
endif()
