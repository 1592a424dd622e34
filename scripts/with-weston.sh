#!/usr/bin/env bash
# Runs a command as a client of a private, headless weston: a compositor that
# leaves the title bar to the client, so that Qt draws its own.
# Usage: scripts/with-weston.sh COMMAND [ARGS...]
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=zandrel-weston
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [[ -S "$runtime/$socket" ]] && break
    sleep 0.05 # the interval at which the condition is looked at again
done
[[ -S "$runtime/$socket" ]] || { echo "weston did not start" >&2; cat "$runtime/weston.log" >&2; exit 1; }

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
unset DISPLAY
"$@"
