#!/usr/bin/env bash
# Waits until the window manager reports a window of the given WM_CLASS as
# the active window, and prints its id. Keys typed before that are lost.
# Usage: scripts/wait-active-window.sh CLASS [TIMEOUT_SECONDS]
set -uo pipefail
class=$1
timeout=${2:-10}
deadline=$((SECONDS + timeout))
while ((SECONDS < deadline)); do
    active=$(xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | grep -o '0x[0-9a-f]*' | head -n1)
    if [[ -n "$active" && "$active" != 0x0 ]] &&
        xprop -id "$active" WM_CLASS 2>/dev/null | grep -q "\"$class\""; then
        printf '%d\n' "$active"
        exit 0
    fi
    sleep 0.05 # the interval at which the condition is looked at again
done
echo "no active window of class $class after ${timeout}s" >&2
exit 1
