#!/bin/sh
# Makes the Debian package in a build folder and checks it: the game and its manual page are in
# it where Debian keeps them, and the game from it runs. Exits 77, skipped, without Debian's tools.
# Usage: check_debian_package.sh CPACK BUILD_FOLDER
set -eu
cpack=$1
build=$2

if ! command -v dpkg-deb >/dev/null 2>&1 || [ ! -x "$cpack" ]; then
    echo "cpack or dpkg-deb is not installed: skipped"
    exit 77
fi

out="$build/package-check"
rm -rf "$out"
mkdir -p "$out"
cd "$build"
if ! "$cpack" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
set -- "$out"/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "expected one package in $out, found: $*"
    exit 1
fi
deb=$1

failed=0
contents=$(dpkg-deb -c "$deb")
for path in ./usr/games/grimstep ./usr/share/man/man6/grimstep.6.gz; do
    if ! printf '%s\n' "$contents" | grep -q " $path\$"; then
        echo "the package lacks $path"
        failed=1
    fi
done
if ! printf '%s\n' "$contents" | grep -q '^-rwxr-xr-x root/root .* \./usr/games/grimstep$'; then
    echo "usr/games/grimstep is not an executable owned by root"
    failed=1
fi
for field in Package:grimstep Section:games; do
    value=$(dpkg-deb -f "$deb" "${field%%:*}")
    if [ "$value" != "${field#*:}" ]; then
        echo "${field%%:*} is '$value', not '${field#*:}'"
        failed=1
    fi
done

# What the package installs works: the game plays to the title screen and quits.
dpkg-deb -x "$deb" "$out/root"
farewell=$(printf '1 1 3\n' | "$out/root/usr/games/grimstep" | tail -n 1)
if [ "$farewell" != "Press any key to save yourself." ]; then
    echo "the packaged game did not play to its farewell; its last line: $farewell"
    failed=1
fi
if ! gzip -dc "$out/root/usr/share/man/man6/grimstep.6.gz" | grep -q '^\.TH GRIMSTEP 6 '; then
    echo "the packaged manual page is not the game's, in section 6"
    failed=1
fi

if [ "$failed" -ne 0 ]; then
    printf 'Package contents:\n%s\n' "$contents"
    exit 1
fi
echo "$deb holds the game and its manual page"
