# Sourced by the Windows tests: exits 77, skipped, naming what is missing, where the cross
# compiler, wine or GoogleTest's sources are not installed (.ci/run installs them).
missing=""
command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || missing="$missing g++-mingw-w64-x86-64-posix"
{ command -v wine && command -v wineserver; } >/dev/null 2>&1 || missing="$missing wine wine64"
[ -f /usr/src/googletest/CMakeLists.txt ] || missing="$missing googletest"
if [ -n "$missing" ]; then
    echo "skipped: not installed:$missing (apt-get install$missing)"
    exit 77
fi
