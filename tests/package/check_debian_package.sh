#!/bin/sh
# Makes the Debian package as the README does (release preset, then cpack) in a folder of its own and
# holds it to Debian's rules: the game in /usr/games plays, the manual page reads, lintian finds no
# error and no warning, and a second build in another folder, later, gives the very same bytes.
# Exits 77, skipped, where Debian's tools are missing.
# Usage: check_debian_package.sh CMAKE CPACK SOURCE_FOLDER SCRATCH_FOLDER CXX_COMPILER
set -eu
cmake=$1
cpack=$2
source=$3
out=$4
compiler=$5

for tool in dpkg-deb lintian man strings; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        case $tool in
        dpkg-deb) package=dpkg ;;
        man) package=man-db ;;
        strings) package=binutils ;;
        *) package=$tool ;;
        esac
        echo "skipped: $tool is not installed (apt-get install $package)"
        exit 77
    fi
done
rm -rf "$out"
mkdir -p "$out"
jobs=$(nproc 2>/dev/null || echo 2)

# Configures, builds and packages the sources in $2 in "$out/$1"; the package is "$out/$1/package.deb".
make_package() {
    folder="$out/$1"
    if ! {
        "$cmake" -S "$2" --preset release -B "$folder" "-DCMAKE_CXX_COMPILER=$compiler" &&
            "$cmake" --build "$folder" --parallel "$jobs" &&
            "$cpack" --config "$folder/CPackConfig.cmake" -G DEB -B "$folder/cpack"
    } >"$out/$1.log" 2>&1; then
        cat "$out/$1.log"
        echo "failed: could not make the package in $folder"
        exit 1
    fi
    set -- "$folder"/cpack/*.deb
    if [ $# -ne 1 ] || [ ! -f "$1" ]; then
        echo "failed: expected one package in $folder/cpack, found: $*"
        exit 1
    fi
    mv "$1" "$folder/package.deb"
}

# Prints what a package holds, member by member, to find where two packages differ.
describe() {
    echo "== $1"
    ar tv "$1"
    for member in $(ar t "$1"); do
        echo "$member: $(ar p "$1" "$member" | md5sum)"
    done
    dpkg-deb -I "$1"
    dpkg-deb --fsys-tarfile "$1" | TZ=UTC0 tar -tv --full-time
}

failed=0
fail() {
    echo "failed: $*"
    failed=1
}

make_package first "$source"
deb="$out/first/package.deb"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/games/grimstep ./usr/share/man/man6/grimstep.6.gz \
    ./usr/share/doc/grimstep/copyright ./usr/share/doc/grimstep/changelog.gz; do
    printf '%s\n' "$contents" | grep -q " $path\$" || fail "the package lacks $path"
done
printf '%s\n' "$contents" | grep -q '^-rwxr-xr-x root/root .* \./usr/games/grimstep$' ||
    fail "usr/games/grimstep is not an executable owned by root"
if printf '%s\n' "$contents" | grep -q ' \./usr/bin/'; then
    fail "the package has a usr/bin/, where Debian keeps no games"
fi

version=$(dpkg-deb -f "$deb" Version)
for field in Package:grimstep Section:games; do
    value=$(dpkg-deb -f "$deb" "${field%%:*}")
    [ "$value" = "${field#*:}" ] || fail "${field%%:*} is '$value', not '${field#*:}'"
done
# The C++ runtime is linked into the game: the C library is all it needs.
depends=$(dpkg-deb -f "$deb" Depends)
printf '%s\n' "$depends" | grep -Eqx 'libc6( \(>= [0-9.]+\))?' || fail "Depends is '$depends', not libc6 alone"

root="$out/root"
dpkg-deb -x "$deb" "$root"
doc="$root/usr/share/doc/grimstep"
gzip -dc "$doc/changelog.gz" | head -n 1 | grep -q "^grimstep ($version) " ||
    fail "the changelog's latest entry is not version $version"
# The copyright file holds the license text of LICENSE, indented as Debian's format wants.
sed -n '/^ Permission/,$p' "$doc/copyright" | sed 's/^ \.$//; s/^ //' >"$out/copyright-license"
sed -n '/^Permission/,$p' "$source/LICENSE" >"$out/license"
cmp -s "$out/copyright-license" "$out/license" || fail "the copyright file's license text is not LICENSE's"

# The installed game plays to the title screen and quits.
status=0
printf '1 1 3\n' | "$root/usr/games/grimstep" >"$out/play.txt" || status=$?
[ "$status" -eq 0 ] || fail "the installed game exited with status $status"
farewell=$(tail -n 1 "$out/play.txt")
[ "$farewell" = "Press any key to save yourself." ] ||
    fail "the installed game did not play to its farewell; its last line: $farewell"
# Neither the sources' folder nor the build's is written into the game.
if strings -a "$root/usr/games/grimstep" | grep -F -e "$source" -e "$out"; then
    fail "the installed game holds the folder names above"
fi

# The installed manual page renders, and groff has nothing to warn about.
status=0
MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/grimstep.6.gz" >"$out/manual.txt" 2>"$out/manual.err" || status=$?
if [ "$status" -ne 0 ] || [ -s "$out/manual.err" ] || ! grep -q '^GRIMSTEP(6)' "$out/manual.txt" ||
    ! grep -q '^NAME$' "$out/manual.txt" || ! grep -q '^ *grimstep ' "$out/manual.txt"; then
    cat "$out/manual.err" "$out/manual.txt"
    fail "man did not render the installed manual page cleanly (status $status)"
fi

echo "lintian -I --pedantic $deb:"
status=0
lintian -I --pedantic --fail-on error,warning "$deb" || status=$?
[ "$status" -eq 0 ] || fail "lintian found errors or warnings (status $status)"

# Every file is dated SOURCE_DATE_EPOCH or, by default, the last commit's date.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct 2>/dev/null || true)}
if [ -n "$epoch" ]; then
    date=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
    dpkg-deb --fsys-tarfile "$deb" | TZ=UTC0 tar -tv --full-time >"$out/dates.txt"
    if [ ! -s "$out/dates.txt" ] ||
        awk -v date="$date" '$4 " " $5 != date { found = 1 } END { exit !found }' "$out/dates.txt"; then
        cat "$out/dates.txt"
        fail "not every file in the package is dated $date"
    fi
else
    echo "not a git checkout: the package's dates are not checked"
fi

# A second build, later, of a copy of the sources with fresh file dates, as another checkout of the
# same commit would be, gives the same bytes. Outside a git checkout, of the same sources again.
copy=$source
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    copy="$out/sources"
    git clone --quiet --no-checkout "$source" "$copy"
    # The files as they are now, committed or not: tar -m dates them afresh.
    git -C "$source" ls-files -z --cached --others --exclude-standard |
        tar -C "$source" --null -T - -cf - | tar -C "$copy" -xmf -
fi
sleep 1
make_package second "$copy"
if ! cmp "$deb" "$out/second/package.deb"; then
    describe "$deb"
    describe "$out/second/package.deb"
    fail "two builds of the same sources made different packages"
fi

if [ "$failed" -ne 0 ]; then
    printf 'Package contents:\n%s\n' "$contents"
    exit 1
fi
echo "$deb ($(wc -c <"$deb") bytes) passes lintian and builds the same twice"
