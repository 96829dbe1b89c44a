#!/bin/sh
# grimstep_export_screens answers --help with its usage and writes no file; a path it cannot write
# ends it with status 1 and a message that names the path.
# Usage: export_screens_usage.sh EXPORT_SCREENS
set -eu
tool=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

failed=0
help=$("$tool" --help) || { echo "--help exited with $?"; failed=1; }
case $help in
usage:*) ;;
*) echo "--help printed: $help"; failed=1 ;;
esac
if [ -n "$(ls -A)" ]; then
    echo "--help wrote a file: $(ls -A)"
    failed=1
fi

status=0
"$tool" "$scratch/no/such/folder/screens.h" 2>errors || status=$?
if [ "$status" -ne 1 ] || ! grep -q "cannot write $scratch/no/such/folder/screens.h" errors; then
    echo "an unwritable path gave status $status and: $(cat errors)"
    failed=1
fi

status=0
"$tool" 2>errors || status=$?
if [ "$status" -ne 2 ] || ! grep -q "^usage:" errors; then
    echo "no argument gave status $status and: $(cat errors)"
    failed=1
fi
[ "$failed" -eq 0 ] && echo "usage, help and errors as they should be"
exit "$failed"
