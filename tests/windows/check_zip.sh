#!/bin/sh
# Makes the Windows zip in a Windows build folder and checks it: one folder holding grimstep.exe,
# README.txt and MANUAL.txt; the texts with CR LF line ends and no escape sequences; the game
# importing no DLL but Windows' own; and the game from the zip playing under the emulator from the
# unpacked folder, where no DLL lies beside it.
# Usage: check_zip.sh CPACK CMAKE BUILD_DIR OBJDUMP EMULATOR...
set -eu
cpack=$1
cmake=$2
build=$3
objdump=$4
shift 4

out=$build/zip-check
rm -rf "$out"
mkdir -p "$out/unpacked"
if ! (cd "$build" && "$cpack" -G ZIP -B "$out") >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
zip=$(find "$out" -maxdepth 1 -name 'grimstep-*-win64.zip')
if [ ! -f "$zip" ]; then
    echo "no grimstep-<version>-win64.zip in $out:"
    ls "$out"
    exit 1
fi
(cd "$out/unpacked" && "$cmake" -E tar xf "$zip")
folder=$(basename "$zip" .zip)

failed=0
contents=$(cd "$out/unpacked" && find . -type f | LC_ALL=C sort)
expected=$(printf './%s/%s\n' "$folder" MANUAL.txt "$folder" README.txt "$folder" grimstep.exe)
if [ "$contents" != "$expected" ]; then
    printf 'the zip holds:\n%s\nnot:\n%s\n' "$contents" "$expected"
    failed=1
fi

cr=$(printf '\r')
for text in README.txt MANUAL.txt; do
    file=$out/unpacked/$folder/$text
    if [ ! -s "$file" ] || grep -q "[^$cr]\$" "$file" || grep -q '^$' "$file"; then
        echo "$text is empty or has lines without CR LF"
        failed=1
    fi
    if grep -q "$(printf '[\b\033]')" "$file"; then
        echo "$text holds backspaces or escape sequences"
        failed=1
    fi
done
for heading in SYNOPSIS "HOW TO PLAY" "EXIT STATUS"; do
    if ! grep -q "^$heading$cr\$" "$out/unpacked/$folder/MANUAL.txt"; then
        echo "MANUAL.txt lacks the manual page's section $heading"
        failed=1
    fi
done

game=$out/unpacked/$folder/grimstep.exe
imports=$("$objdump" -p "$game" | sed -n 's/^[[:space:]]*DLL Name: //p')
foreign=$(printf '%s\n' "$imports" | grep -v -i -E '^(kernel32|msvcrt|ucrtbase|user32|advapi32|api-ms-win-[a-z0-9-]+)\.dll$' || true)
if [ -z "$imports" ] || [ -n "$foreign" ]; then
    printf 'grimstep.exe imports DLLs that Windows does not ship:\n%s\n' "${foreign:-(no imports read)}"
    failed=1
fi

farewell=$(printf '1 1 3\n' | "$@" "$game" | tail -n 1)
if [ "$farewell" != "Press any key to save yourself." ]; then
    echo "the game from the zip did not play to its farewell; its last line: $farewell"
    failed=1
fi

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "$(basename "$zip") ($(wc -c <"$zip") bytes) holds grimstep.exe ($(wc -c <"$game") bytes, imports:" \
    $imports"), README.txt and MANUAL.txt"
