#!/usr/bin/env bash
# Fault cases on a real X server: a clipboard owner that never answers, and
# the display connection going away under the running program.
# Usage: faults.sh PATH/TO/zandrel
set -uo pipefail
zandrel=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

# A private display of our own, since one case kills it.
start_display() {
    for n in $(seq 141 190); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
        openbox --sm-disable >/dev/null 2>&1 &
        wm_pid=$!
        "$scripts/wait-wm.py" 20 || return 1
        return 0
    done
    return 1
}
stop_display() {
    kill "$wm_pid" "$xvfb_pid" 2>/dev/null
    wait "$wm_pid" "$xvfb_pid" 2>/dev/null
}
export QT_QPA_PLATFORM=xcb

echo "== a clipboard owner that never answers"
start_display || { echo "no display"; exit 1; }
coproc OWNER { exec /usr/bin/python3 -u "$here/silent_clipboard_owner.py"; }
read -r -t 10 line <&"${OWNER[0]}"
[[ "$line" == ready ]] && pass || fail "silent owner did not start"
"$zandrel" &
pid=$!
if "$scripts/wait-active-window.sh" zandrel 10 >/dev/null; then
    pass
    want=(0.127 1.397 13.995) # 5, 55, 551 mil
    keys=(5 5 1)
    for i in 0 1 2; do
        xdotool key "${keys[$i]}"
        expect_clipboard "${want[$i]}" "key ${keys[$i]}"
    done
    kill -0 "$pid" 2>/dev/null && pass || fail "program died"
else
    fail "window did not become active"
fi
kill "$pid" "${OWNER_PID:-}" 2>/dev/null
wait "$pid" "${OWNER_PID:-}" 2>/dev/null
stop_display

echo "== the display goes away"
start_display || { echo "no display"; exit 1; }
"$zandrel" &
pid=$!
if "$scripts/wait-active-window.sh" zandrel 10 >/dev/null; then
    xdotool key 7
    sleep 0.2
    kill "$xvfb_pid"
    ended=0
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || { ended=1; break; }
        sleep 0.05
    done
    if ((ended)); then
        pass
        wait "$pid"
        status=$?
        # Ending is what matters; Qt reports the broken connection with status 1.
        [[ $status != 0 ]] && pass || fail "lost display reported as success"
    else
        fail "program still running 5 s after its display went away"
        kill -9 "$pid"
    fi
else
    fail "window did not become active"
    kill "$pid"
fi
stop_display

summary
