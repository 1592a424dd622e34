#!/usr/bin/env bash
# The Windows program's start-up under Wine against a bare Win32 window with
# the same controls, by bench/startup.py, in a fresh prefix whose wineserver
# is kept running so that no run pays for starting it.
# Usage: startup-wine.sh RUNS BUILD_WINDOWS_DIR
set -euo pipefail
runs=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/wine-prefix.sh"
trap remove_wine_prefix EXIT
new_wine_prefix
wineserver -p
/usr/bin/python3 "$here/startup.py" "$runs" "zandrel.exe=wine $build/zandrel.exe" \
    "floor=wine $build/bench_floor32.exe"
