#!/usr/bin/env bash
# Fault cases on a real X server: a clipboard owner that never answers, and
# the display connection going away under the running program.
# Usage: faults.sh PATH/TO/zandrel [CASE]
set -uo pipefail
zandrel=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

# Each case gets a display of its own, since one of them kills it.
if [[ $# == 1 ]]; then
    status=0
    for case in silent-owner lost-display; do
        "$scripts/with-xvfb.sh" "$0" "$zandrel" "$case" || status=1
    done
    exit $status
fi

case $2 in
silent-owner)
echo "== a clipboard owner that never answers"
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
        # Until the program takes the clipboard, each look at it waits out
        # the silent owner's two seconds; give the program time beyond that.
        expect_clipboard "${want[$i]}" "key ${keys[$i]}" 6
    done
    kill -0 "$pid" 2>/dev/null && pass || fail "program died"
else
    fail "window did not become active"
fi
kill "$pid" "${OWNER_PID:-}" 2>/dev/null
wait "$pid" "${OWNER_PID:-}" 2>/dev/null
;;
lost-display)
echo "== the display goes away"
"$zandrel" &
pid=$!
if "$scripts/wait-active-window.sh" zandrel 10 >/dev/null; then
    xdotool key 7
    expect_clipboard 0.178 "7 mil before the display goes"
    kill "$XVFB_PID"
    if wait_for 5 ended; then
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
;;
esac

summary
