# Shared by the shell tests: counting checks, waiting for conditions, the
# window's design, reading the clipboard, and the programs a test started.
# shellcheck shell=bash
passes=0
failures=0
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scripts="$e2e_dir/../../scripts"

pass() { passes=$((passes + 1)); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# One check: the command's status passes or fails it.
check() {
    local what=$1
    shift
    "$@" && pass || fail "$what"
}
summary() {
    echo "$passes passed, $failures failed"
    ((failures == 0))
}

# Runs the command until it succeeds, for up to $1 seconds however long each
# try takes; the status is its last. Every wait of the shell tests goes
# through here.
wait_for() {
    local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
    shift
    while ! "$@"; do
        ((${EPOCHREALTIME/./} < deadline)) || return 1
        sleep 0.05 # the interval at which a condition is looked at again
    done
}

# A control's design, in twips, as the program's own table has it: a file
# written at build time (ZANDREL_DESIGN; see resources/ExportTables.cpp). The
# fields: left, top, width, height and the number the Windows program knows
# the control by. The window itself is the row named Form1.
design_of() {
    local name kind left top width height number caption
    while IFS=$'\t' read -r name kind left top width height number caption; do
        [[ "$name" == "$1" ]] && { echo "$left $top $width $height $number"; return 0; }
    done <"${ZANDREL_DESIGN:?the design table, written by the build}"
    echo "no control $1 in $ZANDREL_DESIGN" >&2
    return 1
}
control_number() {
    local left top width height number
    read -r left top width height number <<<"$(design_of "$1")"
    echo "$number"
}

# A point of a control in window $wid, in pixels: its left edge plus $2 per
# cent of its width, and its middle. The window scales the design to its
# font, so the scale is found from the window's width.
window_point() {
    local left top width height design_width scaled
    read -r left top design_width height _ <<<"$(design_of Form1)"
    read -r left top width height _ <<<"$(design_of "$1")"
    scaled=$(xdotool getwindowgeometry --shell "$wid" | sed -n 's/^WIDTH=//p')
    echo $(((left + width * ${2:-50} / 100) * scaled / design_width)) \
        $(((top + height / 2) * scaled / design_width))
}

# Clicks on a control of window $wid.
click_on() {
    local x y
    read -r x y <<<"$(window_point "$@")"
    xdotool mousemove --window "$wid" "$x" "$y" click 1
}

# The clipboard's text; a stuck owner gets two seconds.
clipboard() { timeout 2 xclip -selection clipboard -o -t UTF8_STRING 2>/dev/null; }
clipboard_is() { [[ "$(clipboard)" == "$1" ]]; }

# Waits up to two seconds (or $3) for the clipboard to hold $1; $2 says what
# was done.
expect_clipboard() {
    wait_for "${3:-2}" clipboard_is "$1" && { pass; return 0; }
    fail "$2: clipboard holds '$(clipboard)', expected '$1'"
}

running() { kill -0 "$pid" 2>/dev/null; }
ended() { ! running; }

# Waits up to five seconds (or $2) for the program ($pid) to end after $1 and
# checks its exit status.
expect_exit() {
    local what=${1:-the exit button} status
    if ! wait_for "${2:-5}" ended; then
        fail "program still running after $what"
        kill "$pid"
        return
    fi
    wait "$pid"
    status=$?
    [[ $status == 0 ]] && pass || fail "exit status $status after $what, expected 0"
}

# The keyboard focus is in window $wid, and its boxes are drawn: the input
# box's background stands apart from the window's beside it. Until then a
# key can be lost (Wine maps a window before it places and paints its
# controls; a slow build may still be taking the focus).
pixel() {
    local x y
    read -r x y <<<"$(window_point "$@")"
    import -window "$wid" -crop "1x1+$x+$y" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p'
}
ready_for_keys() {
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$wid" ]] || return 1
    local box beside
    box=$(pixel Text1 5) beside=$(pixel Label1 -20)
    [[ -n "$box" && "$box" != "$beside" ]]
}

# The processes named $1 (as the kernel keeps it: 15 characters) whose
# environment has $2: those a test's own programs started, not another run's.
processes_with() {
    local proc name
    for proc in /proc/[0-9]*; do
        read -r name 2>/dev/null <"$proc/comm" && [[ "$name" == "$1" ]] || continue
        tr '\0' '\n' 2>/dev/null <"$proc/environ" | grep -qxF "$2" && echo "${proc#/proc/}"
    done
}
# The clipboard keepers serving this test's display: the program starts them
# with its own DISPLAY.
keepers() { processes_with zandrel-clipboa "DISPLAY=$DISPLAY"; }
keeper_running() { [[ -n "$(keepers)" ]]; }

# On X11 (the Qt program, or the Windows one under Wine): another window
# takes the focus, and the program's window gets it back.
leave() {
    xmessage -center "another window" &
    other=$!
    wait_for 5 not_active || fail "the other window did not take the focus"
    # The program hears of the focus-out through its toolkit, which shows
    # nothing when it has.
    sleep 0.6 # Qt's xcb backend takes a focus-out for real 400 ms after it comes
}
not_active() { [[ "$(xdotool getactivewindow 2>/dev/null)" != "$wid" ]]; }
come_back() {
    xdotool windowactivate --sync "$wid"
    wait_for 5 ready_for_keys || fail "the window did not take keys again"
    kill "$other"
}

# Runs another start of the program ("$@") and checks that it ends with
# status 0 within two seconds.
ends_at_once() {
    local second status
    "$@" &
    second=$!
    second_ended() { ! kill -0 "$second" 2>/dev/null; }
    if ! wait_for 2 second_ended; then
        fail "the second start still runs after two seconds"
        kill "$second"
        wait "$second"
        return 1
    fi
    wait "$second"
    status=$?
    [[ $status == 0 ]] && pass || { fail "the second start ended with status $status"; return 1; }
}

# A second start (ends_at_once), after which the running window comes
# forward (in_front); tells how long that took from the second start.
second_start() {
    local began=$EPOCHREALTIME
    ends_at_once "$@" || return 1
    wait_for 5 in_front || { fail "the window did not come forward"; return 1; }
    pass
    echo "in front $(((${EPOCHREALTIME/./} - ${began/./}) / 1000)) ms after the second start"
}

# The X server's time now, as a launcher stamps a startup id with the time of
# the click or key that started a program.
x_server_time() {
    /usr/bin/python3 -c 'from Xlib import X, Xatom, display
d = display.Display()
w = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent, event_mask=X.PropertyChangeMask)
w.change_property(Xatom.WM_NAME, Xatom.STRING, 8, b"now")
while (e := d.next_event()).type != X.PropertyNotify:
    pass
print(e.time)'
}
# The visible windows of a WM_CLASS on the display.
windows_of() { xdotool search --onlyvisible --class "$1" 2>/dev/null | wc -l; }
