#!/usr/bin/env bash
# The Windows program end to end, under Wine in a fresh prefix made here:
# real key and mouse events (xdotool), Wine's clipboard as X11 sees it
# (xclip), the exit. Run through scripts/with-xvfb.sh.
# Usage: wine.sh PATH/TO/zandrel.exe PATH/TO/hold_clipboard.exe
set -uo pipefail
exe=$1
holder=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$scripts/wine-prefix.sh" >/dev/null 2>&1 || { echo "FAIL: no Wine prefix"; exit 1; }
mkdir -p "$work/locales"
localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" 2>/dev/null

start() {
    wine "$exe" &
    pid=$!
    wid=$("$scripts/wait-active-window.sh" zandrel.exe 30) || { fail "window did not become active"; return 1; }
    sleep 0.5 # Wine maps the window before it has placed and painted its controls
}

running() { kill -0 "$pid" 2>/dev/null; }

echo "== typing, selection, Tab order and the exit"
start || exit 1
xdotool key 5
expect_clipboard 0.127 "5 at start"
xdotool key Return # selects the 5 again, inserts nothing
want=(0.076 0.991 9.982 100.000)
keys=(3 9 3 7)
for i in 0 1 2 3; do
    xdotool key "${keys[$i]}"
    expect_clipboard "${want[$i]}" "mil key ${keys[$i]}"
done
xdotool key a
sleep 0.3
expect_clipboard 100.000 "a letter changes nothing"
xdotool key Tab Tab Tab 2 # past the result box and the button, into the mm input
expect_clipboard 78.74 "Tab order, and entering selects"
click_at 660 300 # Text1
xdotool type --delay 20 12345678901234
click_at 1000 300 # the right end of the fourteen: the first ten are selected
xdotool key 9
expect_clipboard 3591882.58 "a click selects the first ten"
xdotool key Return Escape
sleep 0.3
running && pass || fail "Enter or Esc ended the program"
xdotool key 1
expect_clipboard 39.37 "Enter selected the text, so 1 replaces it"
# Coming back to the window leaves the caret where it was.
click_at 660 1140 # Text3
xdotool type --delay 20 123456789012
expect_clipboard 3135802440.905 "twelve digits"
xmessage -center "another window" &
other=$!
for _ in $(seq 100); do
    [[ "$(xdotool getactivewindow 2>/dev/null)" != "$wid" ]] && break
    sleep 0.05
done
sleep 0.5
xdotool windowactivate --sync "$wid"
sleep 0.3
xdotool key 3
expect_clipboard 31358024409.124 "typed after coming back"
kill "$other"
click_at 1860 1740 # Command1
expect_exit "the exit button"

echo "== a German locale reads and writes a comma"
LC_ALL=de_DE.UTF-8 LOCPATH=$work/locales start 2>/dev/null || exit 1
xdotool key shift+Tab shift+Tab # back past the mils result box into the mm input
xdotool type --delay 20 1,5
expect_clipboard 59,06 "1,5 mm in German"
xdotool key alt+F4 # the window manager closes the window
expect_exit "closing the window"

echo "== another program holds the clipboard open"
coproc HOLDER { wine "$holder" 2>/dev/null; }
ask() { # one command to the holder; its answer without Windows' line end
    local reply=""
    echo "$1" >&"${HOLDER[1]}"
    read -r -t 20 reply <&"${HOLDER[0]}"
    echo "${reply%$'\r'}"
}
start || exit 1
xdotool key 5
expect_clipboard 0.127 "5 at start"
[[ "$(ask hold)" == held ]] || fail "the helper could not hold the clipboard"
xdotool key Return
for i in 0 1 2 3; do
    xdotool key "${keys[$i]}"
    got=""
    for _ in $(seq 20); do
        got=$(ask "text 104") # Text4
        [[ "$got" == "${want[$i]}" ]] && break
    done
    [[ "$got" == "${want[$i]}" ]] && pass || fail "held, key ${keys[$i]}: Text4 shows '$got'"
done
ask release >/dev/null
expect_clipboard 100.000 "released: the waiting result lands with no further key" 1
xdotool key BackSpace
expect_clipboard 9.982 "the next edit after the release"
ask hold >/dev/null
xdotool key 1
sleep 0.3
click_at 1860 1740 # Command1, with 9.982 → 99.822 still waiting
expect_exit "the exit button while the clipboard is held"
ask release >/dev/null
exec {HOLDER[1]}>&-
wait "$HOLDER_PID" 2>/dev/null

summary
