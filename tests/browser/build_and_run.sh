#!/bin/sh
# Builds the "web" preset in a folder of the calling build, so that test runs of two builds never
# share it, then plays its site against the calling build's game (run.sh). Skips (77) where
# emscripten, node or npm is missing.
# Usage: build_and_run.sh SOURCE_DIR WEB_BUILD_DIR GRIMSTEP WRAP_TOOL
set -eu
source_dir=$1
web_dir=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool_and_package in em++:emscripten node:nodejs npm:npm; do
    if ! command -v "${tool_and_package%:*}" >/dev/null 2>&1; then
        echo "skipped: ${tool_and_package%:*} is not installed (apt-get install ${tool_and_package#*:})"
        exit 77
    fi
done

log=$(mktemp)
trap 'rm -f "$log"' EXIT
started=$(date +%s)
cd "$source_dir"
cmake --preset web -B "$web_dir" -DGRIMSTEP_NATIVE_GAME="$3" -DGRIMSTEP_NATIVE_WRAP="$4" >"$log" 2>&1 || {
    cat "$log"
    exit 1
}
cmake --build "$web_dir" -j 2 >"$log" 2>&1 || {
    cat "$log"
    exit 1
}
echo "built the site in $web_dir/site in $(($(date +%s) - started)) s"
exec sh "$here/run.sh" "$web_dir/site" "$web_dir/npm" "$3" "$4"
