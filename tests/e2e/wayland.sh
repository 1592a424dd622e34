#!/usr/bin/env bash
# The program on Wayland, natively: a headless sway, keys typed through the
# virtual-keyboard protocol (wtype), the clipboard read with wl-paste.
# sway will not run as root, so as root everything here runs as nobody, with
# a copy of the program in a private runtime folder.
# Usage: wayland.sh PATH/TO/zandrel PATH/TO/test_launcher
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/scenario.sh"

runtime=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null; wait "${pid:-}" 2>/dev/null; kill "${sway_pid:-}" "${bus:-}" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
cp "$1" "$runtime/zandrel"
cp "$2" "$runtime/launcher"
printf 'output HEADLESS-1 resolution 1024x768\n' >"$runtime/sway.conf"
as_user=()
if ((EUID == 0)); then
    chown -R nobody:nogroup "$runtime"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$runtime"
run() { "${as_user[@]}" env XDG_RUNTIME_DIR="$runtime" "$@"; }
# In the background, with $! the process itself (setpriv and env exec it).
start_bg() { "${as_user[@]}" env XDG_RUNTIME_DIR="$runtime" "$@" & }

start_bg env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$runtime/sway.conf" >"$runtime/sway.log" 2>&1
sway_pid=$!
socket=""
listening() { socket=$(cd "$runtime" && ls wayland-[0-9] 2>/dev/null | head -n1); [[ -n "$socket" ]]; }
wait_for 5 listening || { echo "FAIL: sway did not start"; cat "$runtime/sway.log"; exit 1; }
export WAYLAND_DISPLAY=$socket

# The clipboard's text through the data-control protocol, as a paste would.
clipboard() { run env WAYLAND_DISPLAY="$socket" timeout 2 wl-paste --no-newline 2>/dev/null; }
# Each wtype brings a new virtual keyboard, and sway hands its keymap to the
# window before the keys, but Qt may not have taken it in yet when the first
# key comes: -s holds the keys back that long after the keymap. The focus
# needs no wait of its own: sway enters the keyboard into the surface as it
# focuses it, so every key comes after (and a start makes sure, keys_land).
type_keys() { run env WAYLAND_DISPLAY="$socket" wtype -s 300 "$@"; }
# A command to sway, as its user.
sway_ipc() { run sh -c 'SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock) swaymsg "$@"' sway_ipc "$@"; }
# sway's tree on the windows of an app id: "focused" or "urgent" (one of
# them is), or "count" (how many there are).
windows() {
    sway_ipc -t get_tree | /usr/bin/python3 -c '
import json, sys
what, app = sys.argv[1:]
def nodes(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from nodes(child)
mine = [node for node in nodes(json.load(sys.stdin)) if node.get("app_id") == app]
if what == "count":
    print(len(mine))
else:
    sys.exit(0 if any(node.get(what) for node in mine) else 1)' "$@"
}
focused() { windows focused io.github.zandrel.zandrel; }

bus_env=() # none until the test starts its session bus
copy() { run env WAYLAND_DISPLAY="$socket" wl-copy "$@"; }
start() {
    copy "no key yet" # so that only this start's keys make 0.025
    start_bg env WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "${bus_env[@]}" "$runtime/zandrel"
    pid=$!
    wait_for 10 focused || { fail "the window did not get the focus"; return 1; }
    wait_for 10 keys_land || { fail "no key reached the window"; return 1; }
}
# A program just started may lose the first keys of a new keyboard, and
# nothing outside it shows when it stops losing them: keys whose effect shows
# are sent until they land. 1 and Enter leave the mil input holding 1,
# selected as its 0 was, however often they land.
keys_land() { type_keys 1 -k Return && wait_for 1 clipboard_is 0.025; }
# xdotool's key names as wtype takes them: characters as text, a name with -k.
# wtype 0.4 presses a key that comes again in a later argument without
# releasing it, and the keyboard sticks: characters in a row go as one text.
keys() {
    local key text="" args=()
    for key; do
        if ((${#key} == 1)); then
            text+=$key
            continue
        fi
        [[ -n "$text" ]] && args+=("$text")
        text=""
        args+=(-k "$key")
    done
    [[ -n "$text" ]] && args+=("$text")
    type_keys "${args[@]}"
}
# An empty workspace takes the focus from the window, and gives it back.
unfocused() { ! focused; }
leave() { sway_ipc workspace 2 >/dev/null; wait_for 5 unfocused || fail "the window kept the focus"; }
come_back() {
    sway_ipc workspace 1 >/dev/null
    wait_for 5 focused || fail "the window did not get the focus back"
}

echo "== typing and coming back to the window"
typing && coming_back
kill -0 "$pid" 2>/dev/null && pass || fail "the program ended"
kill "$pid"
wait "$pid"

echo "== sway keeps no clipboard: the last result outlives every way of ending"
# The wl-copy processes that serve this compositor's clipboard.
copies() { processes_with wl-copy "XDG_RUNTIME_DIR=$runtime"; }
end_by() {
    case $1 in
    button) type_keys -k Tab -k Tab -k space ;; # past the mils result to the button
    close) sway_ipc kill >/dev/null ;;
    TERM | INT | HUP) kill -"$1" "$pid" ;;
    esac
}
for way in button close TERM INT HUP; do
    copy before # so that 0.127 is the program's
    expect_clipboard before "$way: the clipboard before the start"
    start
    type_keys 5
    expect_clipboard 0.127 "$way: key 5"
    before=$(copies)
    end_by "$way"
    expect_exit "$way"
    expect_clipboard 0.127 "$way: after the end"
    kept=$(comm -13 <(sort <<<"$before") <(copies | sort))
    [[ -n "$kept" ]] && pass || fail "$way: nothing of the program's serves the clipboard"
    copy other
    expect_clipboard other "$way: another client's copy"
    kept_gone() { ! kill -0 $kept 2>/dev/null; }
    wait_for 2 kept_gone && pass || fail "$way: the program's copy outlives the clipboard"
done


echo "== started again: the running window comes forward with a launcher's token"
# A session bus of the test's own, as the compositor's user.
{ read -r address; read -r bus; } < <(run dbus-daemon --session --fork --print-address=1 --print-pid=1)
bus_env=(DBUS_SESSION_BUS_ADDRESS="$address")
in_front() { focused && [[ $(windows count io.github.zandrel.zandrel) == 1 ]]; }
# The user calls up the launcher, whose window takes the focus, and presses
# Enter in it: it asks for a token with that key, to start the program with.
launcher_focused() { windows focused zandrel-test-launcher; }
away() {
    coproc LAUNCHER { run env WAYLAND_DISPLAY="$socket" "$runtime/launcher"; }
    launcher=$LAUNCHER_PID # bash forgets it once the launcher has ended
    wait_for 5 launcher_focused || fail "the launcher did not take the focus"
    keys Return
    token=""
    read -r -t 10 token <&"${LAUNCHER[0]}"
    [[ -n "$token" ]] && pass || fail "the launcher got no token"
}
again() { run env WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "${bus_env[@]}" "$@" "$runtime/zandrel"; }
start_again() {
    second_start again XDG_ACTIVATION_TOKEN="$token" || return 1
}
# Closing its input ends the launcher, if it has not ended already.
launcher_done() {
    [[ -n "${LAUNCHER[1]:-}" ]] && exec {LAUNCHER[1]}>&-
    wait "$launcher" 2>/dev/null
}
# Sway as it comes only marks a window that asks for the focus as urgent;
# many set it to give the focus where the window is on the screen.
sway_ipc focus_on_window_activation smart >/dev/null
starting_again
launcher_done

echo "== sway as it comes: the token marks the window urgent"
sway_ipc focus_on_window_activation urgent >/dev/null
urgent() { windows urgent io.github.zandrel.zandrel; }
away
ends_at_once again XDG_ACTIVATION_TOKEN="$token"
wait_for 2 urgent && pass || fail "sway did not mark the window urgent"
launcher_done
sway_ipc focus_on_window_activation smart >/dev/null

echo "== started again without a token: the start still ends, and one window is left"
away
began=$EPOCHREALTIME
ends_at_once again
count=$(windows count io.github.zandrel.zandrel)
[[ $count == 1 ]] && pass || fail "$count windows after a second start without a token"
if wait_for 1 focused; then
    echo "without a token: in front $(((${EPOCHREALTIME/./} - ${began/./}) / 1000)) ms after the second start"
else
    echo "without a token: sway left the focus with the launcher"
fi
launcher_done
kill "$pid"
wait "$pid"

echo "== at 150 %, as GNOME and KDE scale an output: the line and every text"
# Qt draws at a fractional scale itself from 6.5 on (fractional-scale-v1);
# 6.4 draws at 2 and sway shrinks the picture. The line survives either.
sway_ipc output HEADLESS-1 scale 1.5 >/dev/null
start
keys 5
expect_clipboard 0.127 "5 at 150 %"
# The window's own surface, without sway's border, in the output's pixels.
region=$(sway_ipc -t get_tree | /usr/bin/python3 -c '
import json, sys
def nodes(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from nodes(child)
node = next(n for n in nodes(json.load(sys.stdin)) if n.get("app_id") == sys.argv[1])
r, w = node["rect"], node["window_rect"]
print("%d,%d %dx%d" % (r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"]))' \
    io.github.zandrel.zandrel)
run env WAYLAND_DISPLAY="$socket" grim -g "$region" "$runtime/scaled.png"
/usr/bin/python3 "$here/contrast.py" "$runtime/scaled.png" "$ZANDREL_DESIGN" light && pass ||
    fail "at 150 %: the window's colours and its line"
kill "$pid"
wait "$pid"

summary
