#!/usr/bin/env bash
# End to end, on a real X server with a window manager: real key and mouse
# events (xdotool), the real X clipboard (xclip), the real exit.
# Run through scripts/with-xvfb.sh. Usage: e2e.sh PATH/TO/zandrel
set -uo pipefail
zandrel=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

start() {
    "$zandrel" &
    pid=$!
    wid=$("$scripts/wait-active-window.sh" zandrel 10) || { fail "window did not become active"; kill "$pid"; return 1; }
}

# Clicks at a point of the window's design, in twips: the window scales the
# design to its font, so the point is found from the window's width.
click_at() {
    local width
    width=$(xdotool getwindowgeometry --shell "$wid" | sed -n 's/^WIDTH=//p')
    xdotool mousemove --window "$wid" $(($1 * width / 3795)) $(($2 * width / 3795)) click 1
}

# Waits for the program to end and checks its exit status.
expect_exit() {
    local status
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "program still running after the exit button"
        kill "$pid"
        return
    fi
    wait "$pid"
    status=$?
    [[ $status == 0 ]] && pass || fail "exit status $status, expected 0"
}

# A scenario: type into both rows, then press the exit button.
scenario() {
    start || return
    # The caret starts in the mil input with its 0 selected.
    local want=(0.076 0.991 9.982 100.000) keys=(3 9 3 7)
    for i in 0 1 2 3; do
        xdotool key "${keys[$i]}"
        expect_clipboard "${want[$i]}" "mil key ${keys[$i]}"
    done
    click_at 660 300 # Text1
    xdotool key 1
    expect_clipboard 39.37 "mm key 1"
    xdotool key 2
    expect_clipboard 472.44 "mm key 2"
    # The primary selection stays the user's: what the boxes select, never a result.
    primary=$(timeout 2 xclip -selection primary -o 2>/dev/null)
    [[ "$primary" != 472.44 ]] && pass || fail "the primary selection holds the result"
    xdotool key a # not a number: nothing changes
    sleep 0.2
    expect_clipboard 472.44 "letter after a number"
    click_at 1860 1740 # Command1, with "12a" in Text1
    expect_exit
}

echo "== with a clipboard manager: the last result survives the exit"
# Debian's own interpreter, which has python3-xlib, whatever else is on PATH.
coproc MANAGER { exec /usr/bin/python3 -u "$here/clipboard_manager.py"; }
read -r -t 10 line <&"${MANAGER[0]}"
[[ "$line" == ready ]] || fail "clipboard manager did not start"
scenario
read -r -t 10 line <&"${MANAGER[0]}" || line=""
[[ "$line" == "saved 472.44" ]] && pass || fail "manager got '$line' at exit"
expect_clipboard 472.44 "paste after exit"
kill "${MANAGER_PID:-}" 2>/dev/null
wait "${MANAGER_PID:-}" 2>/dev/null

echo "== control, no clipboard manager: the text goes with the program"
scenario
got=$(clipboard)
[[ -z "$got" ]] && pass || fail "without a manager the clipboard still holds '$got'; the check above proves nothing"

summary
