#!/usr/bin/env bash
# End to end, on a real X server with a window manager: real key and mouse
# events (xdotool), the real X clipboard (xclip), the real exit.
# Run through scripts/with-xvfb.sh. Usage: e2e.sh PATH/TO/zandrel [clipman]
# With clipman, only the runs beside the real xfce4-clipman: CLIPMAN_RUNS of
# them (20 unless set), each ending the program twice.
set -uo pipefail
zandrel=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/scenario.sh"

start() {
    "$zandrel" &
    pid=$!
    wid=$("$scripts/wait-active-window.sh" zandrel 10) &&
        wait_for 10 ready_for_keys || { fail "window did not take keys"; kill "$pid"; return 1; }
}
keys() { xdotool key "$@"; }

# After typing 5, the program is ended one way or another; 0.127 must stay
# readable once its process is gone.
end_by() {
    case $1 in
    button) click_on Command1 ;;
    close) xdotool key alt+F4 ;; # openbox closes the active window
    TERM | INT | HUP) kill -"$1" "$pid" ;;
    esac
}

survives() {
    local way=$1
    # Something else on the clipboard first, so that 0.127 is the program's.
    echo before | xclip -selection clipboard -i
    expect_clipboard before "$way: clipboard taken before the start"
    start || return
    xdotool key 5
    expect_clipboard 0.127 "$way: key 5"
    end_by "$way"
    # Qt waits up to five seconds for a clipboard manager's answer.
    expect_exit "$way" 8
    expect_clipboard 0.127 "$way: after the end"
}

if [[ "${2:-}" == clipman ]]; then
    echo "== xfce4-clipman takes the text at exit: no keeper runs beside it"
    # It takes the clipboard back only once it has seen it without an owner,
    # a moment after the program's hand-over. Its own session bus, for xfconf.
    if [[ -z "${ZANDREL_IN_SESSION:-}" ]]; then
        ZANDREL_IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
    fi
    # It quits after a minute without a tray for its icon: trayer is the panel.
    export NO_AT_BRIDGE=1
    trap 'kill "${clipman:-}" "${tray:-}" $(keepers) 2>/dev/null' EXIT
    trayer --edge bottom >/dev/null 2>&1 &
    tray=$!
    xfce4-clipman >/dev/null 2>&1 &
    clipman=$!
    # It owns the manager's selection, though it answers no request for it.
    manager_ready() {
        /usr/bin/python3 -c 'import sys; from Xlib import X, display; d = display.Display()
sys.exit(d.get_selection_owner(d.intern_atom("CLIPBOARD_MANAGER")) == X.NONE)'
    }
    wait_for 10 manager_ready || fail "xfce4-clipman did not take the manager's selection"
    for run in $(seq "${CLIPMAN_RUNS:-20}"); do
        for way in button TERM; do
            survives "$way"
            keeper_running && fail "run $run, $way: a keeper runs beside the manager" || pass
        done
    done
    kill -0 "$clipman" && pass || fail "xfce4-clipman ended during the runs"
    summary
    exit
fi

echo "== typing, coming back to the window, and the exit, with a clipboard manager"
# Debian's own interpreter, which has python3-xlib, whatever else is on PATH.
coproc MANAGER { exec /usr/bin/python3 -u "$here/clipboard_manager.py"; }
read -r -t 10 line <&"${MANAGER[0]}"
[[ "$line" == ready ]] || fail "clipboard manager did not start"
typing && coming_back
# The primary selection stays the user's: what the boxes select, never a result.
primary=$(timeout 2 xclip -selection primary -o 2>/dev/null)
[[ "$primary" != 905.51 ]] && pass || fail "the primary selection holds the result"
keys a
sleep 0.2 # a letter must change nothing, and no event shows nothing: a change would show by now
expect_clipboard 905.51 "a letter after a number"
keys Tab shift+Tab 9 # entered with Backtab: the whole text is replaced
expect_clipboard 354.33 "Backtab still selects"
click_on Text3
keys 7
expect_clipboard 0.178 "a click selects"
click_on Command1
expect_exit
read -r -t 10 line <&"${MANAGER[0]}" || line=""
[[ "$line" == "saved 0.178" ]] && pass || fail "manager got '$line' at exit"
expect_clipboard 0.178 "paste after exit"
for way in button close TERM INT HUP; do
    survives "$way"
    read -r -t 10 line <&"${MANAGER[0]}" || line=""
    [[ "$line" == "saved 0.127" ]] && pass || fail "$way: manager got '$line'"
    keeper_running && fail "$way: a keeper runs although the manager took the text" || pass
done
kill "${MANAGER_PID:-}" 2>/dev/null
wait "${MANAGER_PID:-}" 2>/dev/null

echo "== no clipboard manager: the keeper serves the last result until the clipboard is taken"
keeper_gone() { ! keeper_running; }
for way in button close TERM INT HUP; do
    survives "$way"
    keeper_running && pass || fail "$way: no keeper"
    # xclip serves what it took until the display ends with the test.
    echo taken | xclip -selection clipboard -i
    wait_for 2 keeper_gone && pass || fail "$way: the keeper outlives the clipboard"
    expect_clipboard taken "$way: the clipboard's new owner"
done

echo "== no session bus: each start is a window of its own, and neither waits for the other"
"$zandrel" &
first=$!
"$zandrel" &
second=$!
two_windows() { [[ $(windows_of zandrel) == 2 ]]; }
wait_for 10 two_windows && pass || fail "two starts without a bus: $(windows_of zandrel) windows"
kill "$first" "$second"
both_ended() { ! kill -0 "$first" 2>/dev/null && ! kill -0 "$second" 2>/dev/null; }
wait_for 5 both_ended && pass || fail "a start without a bus did not end"
wait "$first" "$second"

echo "== started again: the running window comes forward, on a session bus of the test's own"
{ read -r address; read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
trap 'kill "${bus:-}" 2>/dev/null' EXIT
export DBUS_SESSION_BUS_ADDRESS=$address
in_front() {
    [[ "$(xdotool getactivewindow 2>/dev/null)" == "$wid" && $(windows_of zandrel) == 1 ]] &&
        ready_for_keys
}
# The user goes to another program's window; a launcher starts this one
# again with a startup id stamped with the time of the user's click or key.
away() { leave; }
start_again() {
    second_start env DESKTOP_STARTUP_ID="e2e-$$_TIME$(x_server_time)" "$zandrel"
    kill "$other"
}
starting_again
app=(--session --dest io.github.zandrel.zandrel --object-path /io/github/zandrel/zandrel
    --method org.freedesktop.Application)
# A launcher activates a DBusActivatable program over the bus, here with no
# token at all; the window was minimised.
xdotool windowminimize --sync "$wid"
gdbus call "${app[@]}.Activate" '{}' >/dev/null && pass || fail "Activate"
wait_for 5 in_front && pass || fail "Activate did not bring the minimised window forward"
keys 3
expect_clipboard 0.076 "3 after Activate over the bus"
[[ "$(gdbus call "${app[@]}.Open" '[]' '{}' 2>&1)" == *NotSupported* ]] && pass ||
    fail "Open is not refused"
[[ "$(gdbus call "${app[@]}.ActivateAction" quit '[]' '{}' 2>&1)" == *NotSupported* ]] && pass ||
    fail "ActivateAction is not refused"
click_on Command1
expect_exit "the exit button after starting again"

summary
