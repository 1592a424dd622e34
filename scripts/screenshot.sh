#!/usr/bin/env bash
# Takes the README's screenshot: the window under Xvfb after typing 25.4 mm
# and 3937 mil. Usage: scripts/screenshot.sh BUILD_DIR OUTPUT.png
set -euo pipefail
build=${1:-build}
out=${2:-docs/zandrel.png}
here=$(cd "$(dirname "$0")" && pwd)
export here

shoot() {
    "$build/zandrel" &
    pid=$!
    wid=$("$here/wait-active-window.sh" zandrel) || { kill "$pid"; exit 1; }
    sleep 0.3
    xdotool type --delay 30 3937
    xdotool key Tab Tab Tab
    xdotool type --delay 30 25.4
    sleep 0.3
    import -window "$wid" -frame "$out"
    kill "$pid"
}
export -f shoot
export build out
"$here/with-xvfb.sh" bash -c shoot
echo "wrote $out"
