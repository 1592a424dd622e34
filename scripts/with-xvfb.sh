#!/usr/bin/env bash
# Runs a command on a private Xvfb server with openbox as window manager, so
# that focus, activation and the clipboard behave as on a real desktop.
# Usage: scripts/with-xvfb.sh COMMAND [ARGS...]
set -euo pipefail

# The server picks a free display itself and writes its number to the pipe
# once it accepts connections: no race with another run choosing the same.
# It does not reset when its last client leaves: a program connecting in
# that instant would be cut off.
displayfd=$(mktemp -u)
mkfifo "$displayfd"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$displayfd" >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
    [[ -n "${wm_pid:-}" ]] && kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -f "$displayfd"
}
trap cleanup EXIT

number=""
read -r -t 20 number <"$displayfd" || true
[[ "$number" =~ ^[0-9]+$ ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
export XVFB_PID=$xvfb_pid # for tests that take the display away

if [[ "${NO_WM:-0}" != 1 ]]; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    "$(dirname "$0")/wait-wm.py" 20
fi

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
"$@"
