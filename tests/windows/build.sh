#!/bin/sh
# Configures the "windows" preset in a folder of the calling build, so that test runs of two
# builds never share it, and builds grimstep.exe and its tests there.
# Usage: build.sh SOURCE_DIR WINDOWS_BUILD_DIR
set -eu
. "$(dirname "$0")/needs_tools.sh"
source_dir=$1
build_dir=$2
cd "$source_dir"
mkdir -p "$build_dir"
log=$build_dir/build-from-linux.log
if ! { cmake --preset windows -B "$build_dir" && cmake --build "$build_dir" -j 2; } >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "failed: the Windows build (whole log in $log)"
    exit 1
fi
ls -l "$build_dir/grimstep.exe"
