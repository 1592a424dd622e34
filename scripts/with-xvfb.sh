#!/usr/bin/env bash
# Runs a command on a private Xvfb server with openbox as window manager, so
# that focus, activation and the clipboard behave as on a real desktop.
# Usage: scripts/with-xvfb.sh COMMAND [ARGS...]
set -euo pipefail

display=""
for n in $(seq 90 140); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
        display=":$n"
        break
    fi
done
[[ -n "$display" ]] || { echo "no free X display" >&2; exit 1; }

Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
    [[ -n "${wm_pid:-}" ]] && kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

export DISPLAY="$display"
export XVFB_PID=$xvfb_pid # for tests that take the display away
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

if [[ "${NO_WM:-0}" != 1 ]]; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    "$(dirname "$0")/wait-wm.py" 20
fi

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
"$@"
