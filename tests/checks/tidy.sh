#!/bin/sh
# clang-tidy over every source file the build compiles, with the checks chosen in .clang-tidy; any
# warning fails. Skips (77) where clang-tidy or the build's compile_commands.json is missing.
# Usage: tidy.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir=$1
build_dir=$2
tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
if [ -z "$tidy" ] || [ -z "$runner" ]; then
    echo "skipped: clang-tidy is not installed (apt-get install clang-tidy)"
    exit 77
fi
if [ ! -f "$build_dir/compile_commands.json" ]; then
    echo "skipped: no compile_commands.json in $build_dir (configure with CMAKE_EXPORT_COMPILE_COMMANDS)"
    exit 77
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! "$runner" -clang-tidy-binary "$tidy" -p "$build_dir" -j 2 -quiet \
    "$source_dir/(app|engine|story|tests|tools|bench)/" >"$log" 2>&1; then
    # The findings, each with its line of code, without the notes on what macros expand to.
    sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E -A 2 "(error|warning): " | grep -v "note: " || cat "$log"
    echo "failed: clang-tidy found the above"
    exit 1
fi
echo "clean: $(grep -c '"file"' "$build_dir/compile_commands.json") files ($("$tidy" --version | grep -i version))"
