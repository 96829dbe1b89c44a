#!/bin/sh
# Runs a Windows program under wine the way every build and test here does: in the wine prefix
# given, quiet, and without a display, so that it runs headless in CI and no run depends on
# another's prefix.
# Usage: wine.sh PREFIX PROGRAM [ARGUMENT...]
#        wine.sh PREFIX --start   makes the prefix if need be (about ten seconds) and keeps its wine
#                                 server running, so that each program starts in a fraction of a
#                                 second instead of several
#        wine.sh PREFIX --stop    ends the wine server and every program still running in the prefix
set -eu
case $1 in
/*) WINEPREFIX=$1 ;;
*) WINEPREFIX=$PWD/$1 ;;  # wine takes none but an absolute path
esac
shift
# No .NET, no web engine and no desktop menus: nothing to download or ask about in a fresh prefix.
WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=d
WINEDEBUG=-all
export WINEPREFIX WINEDLLOVERRIDES WINEDEBUG
unset DISPLAY WAYLAND_DISPLAY
case ${1-} in
--start)
    # Neither the server nor the services that wineboot starts may keep the caller's output open:
    # ctest, for one, waits until every holder of a test's output has closed it.
    wineserver -p </dev/null >/dev/null 2>&1 || true  # fails where one runs already: as good
    exec wine wineboot --init </dev/null >/dev/null 2>&1
    ;;
--stop)
    wineserver -k 2>/dev/null || true
    exec wineserver -w
    ;;
esac
exec wine "$@"
