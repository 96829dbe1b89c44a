# Gzips one file: cmake -DSOURCE=grimstep.6 -DOUTPUT=grimstep.6.gz -P compress-manual.cmake
file(ARCHIVE_CREATE OUTPUT "${OUTPUT}" PATHS "${SOURCE}" FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9)
