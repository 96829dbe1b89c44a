#!/bin/sh
# grimstep.exe under wine held to the Linux game, through pipes, byte for byte and by exit status:
# every scripted play-through in tests/replies; Ctrl-Z, which ends the input at the start of a
# line and nowhere else; and a reader that goes away, which must end the game with status 1 soon.
# Usage: compare_with_linux.sh WINDOWS_BUILD_DIR LINUX_GRIMSTEP REPLIES_DIR
set -eu
windows_build=$1
linux_game=$2
replies=$3
wine_sh=$(dirname "$0")/../../cmake/wine.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
cases=0

windows_game() { sh "$wine_sh" "$windows_build/wine" "$windows_build/grimstep.exe"; }

# compare NAME WINDOWS_INPUT LINUX_INPUT: plays each game its file of input and compares.
compare() {
    cases=$((cases + 1))
    windows_status=0
    windows_game <"$2" >"$scratch/windows.out" || windows_status=$?
    linux_status=0
    "$linux_game" <"$3" >"$scratch/linux.out" || linux_status=$?
    if [ "$windows_status" -ne "$linux_status" ]; then
        echo "FAILED $1: exit status $windows_status on Windows, $linux_status on Linux"
        failures=$((failures + 1))
    elif ! cmp -s "$scratch/windows.out" "$scratch/linux.out"; then
        echo "FAILED $1: the output differs; the first differences (od -c, Windows <, Linux >):"
        od -c "$scratch/windows.out" >"$scratch/windows.od"
        od -c "$scratch/linux.out" >"$scratch/linux.od"
        diff "$scratch/windows.od" "$scratch/linux.od" | head -n 20 || true
        failures=$((failures + 1))
    else
        echo "same on Windows and Linux: $1 ($(wc -c <"$scratch/linux.out") bytes, status $linux_status)"
    fi
}

for file in "$replies"/*.txt; do
    compare "$(basename "$file" .txt)" "$file" "$file"
done

# Ctrl-Z (octal 032) at the start of a line ends the input on Windows, so Linux gets the input up
# to it; anywhere else it is an ordinary byte, and both get the same input. Each case: name,
# Windows input, Linux input (printf formats).
while IFS='|' read -r name windows_input linux_input; do
    printf "$windows_input" >"$scratch/windows.in"  # formats on purpose: octal escapes
    printf "$linux_input" >"$scratch/linux.in"
    compare "$name" "$scratch/windows.in" "$scratch/linux.in"
done <<'CASES'
ctrl_z_first|\0321\n1\n|
ctrl_z_after_a_line|1\n\032\n1\n|1\n
ctrl_z_after_a_windows_line|1\r\n1\r\n\032\r\n3\r\n|1\r\n1\r\n
ctrl_z_then_more_on_its_line|1\n\0321 3\n|1\n
ctrl_z_after_a_number|1\032\n1\n|1\032\n1\n
ctrl_z_after_a_blank|1\n \032\n1\n|1\n \032\n1\n
CASES

# A reader that goes away: the game must see the write fail and end with status 1, not go on. It
# gets replies for ever ("2", a blank option that leads back to the same scene).
cases=$((cases + 1))
started=$(date +%s)
{
    status=0
    yes 2 | timeout 30 sh "$wine_sh" "$windows_build/wine" "$windows_build/grimstep.exe" || status=$?
    echo "$status" >"$scratch/status"
} | head -c 100 >/dev/null
took=$(($(date +%s) - started))
if [ "$(cat "$scratch/status")" -ne 1 ] || [ "$took" -ge 10 ]; then
    echo "FAILED reader_gone: status $(cat "$scratch/status") after $took s; expected 1 within 10 s"
    failures=$((failures + 1))
else
    echo "reader gone: status 1 after $took s"
fi

if [ "$failures" -ne 0 ]; then
    echo "failed: $failures of $cases cases"
    exit 1
fi
echo "grimstep.exe as on Linux: $cases cases"
