#!/usr/bin/env bash
# Runs a Windows test program under Wine in a fresh prefix of its own.
# Run through scripts/with-xvfb.sh. Usage: run-in-wine.sh PROGRAM.exe [ARGS...]
set -uo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$scripts/wine-prefix.sh" >/dev/null 2>&1 || { echo "FAIL: no Wine prefix"; exit 1; }
wine "$@"
