#!/bin/sh
# A long scripted play-through of the built game under valgrind's memcheck: no error, no leak, and
# the play-through must reach the farewell with status 0. Skips (77) where valgrind is missing.
# Still reachable at exit is allowed: the C++ runtime's emergency pool for exceptions, allocated
# once at start-up and kept on purpose.
# Usage: valgrind.sh PROGRAM REPLIES
set -eu
program=$1
replies=$2
if ! command -v valgrind >/dev/null 2>&1; then
    echo "skipped: valgrind is not installed (apt-get install valgrind)"
    exit 77
fi
log=$(mktemp)
output=$(mktemp)
trap 'rm -f "$log" "$output"' EXIT

status=0
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=all --errors-for-leak-kinds=definite,indirect,possible \
    --error-exitcode=99 --log-file="$log" "$program" <"$replies" >"$output" || status=$?
grep -E "in use at exit|All heap blocks|definitely lost|indirectly lost|possibly lost|still reachable|ERROR SUMMARY" "$log" | sed 's/^==[0-9]*== //'
if [ "$status" -ne 0 ]; then
    cat "$log"
    echo "failed: status $status"
    exit 1
fi
if [ "$(tail -n 1 "$output")" != "Press any key to save yourself." ]; then
    echo "failed: the play-through did not end with the farewell"
    exit 1
fi
echo "passes: $(grep -c '^1\. ' "$output")"
