#!/bin/sh
# Runs a command of the Windows tests with the wine server of the Windows build's prefix kept
# running throughout, so that each start of a Windows program takes a fraction of a second, and
# ends that server and whatever still runs under it afterwards.
# Usage: with_wine.sh WINDOWS_BUILD_DIR COMMAND [ARGUMENT...]
set -eu
. "$(dirname "$0")/needs_tools.sh"
wine_sh=$(dirname "$0")/../../cmake/wine.sh
prefix=$1/wine
shift
sh "$wine_sh" "$prefix" --start
status=0
"$@" || status=$?
sh "$wine_sh" "$prefix" --stop
exit "$status"
