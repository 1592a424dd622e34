#!/usr/bin/env bash
# The Windows program's start-up under Wine against a bare Win32 window with
# the same controls, by bench/startup.py, in a fresh prefix whose wineserver
# is kept running so that no run pays for starting it.
# Usage: startup-wine.sh RUNS BUILD_WINDOWS_DIR
set -euo pipefail
runs=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
export WINEDEBUG=-all
"$here/../scripts/wine-prefix.sh" >/dev/null 2>&1
wineserver -p
/usr/bin/python3 "$here/startup.py" "$runs" "zandrel.exe=wine $build/zandrel.exe" \
    "floor=wine $build/bench_floor32.exe"
