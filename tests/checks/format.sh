#!/bin/sh
# Every C++ file of the project must be formatted as .clang-format says. Skips (77) where
# clang-format is missing. To format a file: clang-format -i FILE
# Usage: format.sh SOURCE_DIR
set -eu
cd "$1"
format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
    echo "skipped: clang-format is not installed (apt-get install clang-format)"
    exit 77
fi
files=$(for dir in app engine story tests tools bench; do
    [ -d "$dir" ] && find "$dir" -name '*.cpp' -o -name '*.hpp'
done | sort)
unformatted=""
for file in $files; do
    if ! "$format" --dry-run --Werror "$file" >/dev/null 2>&1; then
        unformatted="$unformatted $file"
    fi
done
if [ -n "$unformatted" ]; then
    for file in $unformatted; do
        echo "not formatted: $file"
        "$format" "$file" | diff -u "$file" - | head -n 40 || true
    done
    exit 1
fi
echo "formatted: $(echo "$files" | wc -l) files ($("$format" --version))"
