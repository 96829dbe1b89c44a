#!/bin/sh
# Plays a built site in headless Chromium and holds it to the native game: node's own test runner,
# with playwright-core (from the web build's npm ci) driving Debian's Chromium, and the site served
# on 127.0.0.1 by app/web/serve.mjs. Skips (77) where Chromium, node or the native game is missing.
# Usage: run.sh SITE_DIR NPM_DIR GRIMSTEP WRAP_TOOL
set -eu
here=$(cd "$(dirname "$0")" && pwd)

chromium=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$chromium" ]; then
    echo "skipped: Chromium is not installed (apt-get install chromium)"
    exit 77
fi
if ! node -e 'process.exit(Number(process.versions.node.split(".")[0]) >= 20 ? 0 : 1)' 2>/dev/null; then
    echo "skipped: node 20 or newer is not installed (apt-get install nodejs)"
    exit 77
fi
for tool in "$3" "$4"; do
    if [ ! -x "$tool" ]; then
        echo "skipped: no native $(basename "$tool") at $tool to compare with (cmake --workflow --preset dev)"
        exit 77
    fi
done

GRIMSTEP_SITE=$1 GRIMSTEP_NPM_DIR=$2 GRIMSTEP_GAME=$3 GRIMSTEP_WRAP=$4 GRIMSTEP_CHROMIUM=$chromium \
    exec node --test --test-reporter=spec "$here"/*.test.mjs
