#!/usr/bin/env bash
# The program on Wayland, natively: a headless sway, keys typed through the
# virtual-keyboard protocol (wtype), the clipboard read with wl-paste.
# sway will not run as root, so as root everything here runs as nobody, with
# a copy of the program in a private runtime folder.
# Usage: wayland.sh PATH/TO/zandrel
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

runtime=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null; wait "${pid:-}" 2>/dev/null; kill "${sway_pid:-}" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
cp "$1" "$runtime/zandrel"
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
for _ in $(seq 100); do
    socket=$(cd "$runtime" && ls wayland-[0-9] 2>/dev/null | head -n1)
    [[ -n "$socket" ]] && break
    sleep 0.05
done
[[ -n "$socket" ]] || { echo "FAIL: sway did not start"; cat "$runtime/sway.log"; exit 1; }
export WAYLAND_DISPLAY=$socket

# The clipboard's text through the data-control protocol, as a paste would.
clipboard() { run env WAYLAND_DISPLAY="$socket" timeout 2 wl-paste --no-newline 2>/dev/null; }
# Each wtype brings a new virtual keyboard, whose keymap the program must have
# before the first key: -s waits that long.
type_keys() { run env WAYLAND_DISPLAY="$socket" wtype -s 300 "$@"; }
focused() {
    run sh -c 'SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock) swaymsg -t get_tree' |
        /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("focused") and node.get("app_id") == "io.github.zandrel.Zandrel":
        return True
    return any(walk(child) for child in node.get("nodes", []) + node.get("floating_nodes", []))
sys.exit(0 if walk(json.load(sys.stdin)) else 1)'
}

start() {
    start_bg env WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$runtime/zandrel"
    pid=$!
    for _ in $(seq 100); do focused && break; sleep 0.1; done
    focused && pass || fail "the window did not get the focus"
    sleep 0.3 # the keyboard enters the surface after the focus
}

start
type_keys 5
expect_clipboard 0.127 "5 at start"
# Enter selects the mil input's text again; then 3937, key by key.
type_keys -k Return
want=(0.076 0.991 9.982 100.000)
keys=(3 9 3 7)
for i in 0 1 2 3; do
    type_keys "${keys[$i]}"
    expect_clipboard "${want[$i]}" "mil key ${keys[$i]}"
done
# Tab past the result box and the button into the mm input: its 0 is selected.
type_keys -k Tab -k Tab -k Tab 2
expect_clipboard 78.74 "Tab selects the mm input's text"
kill -0 "$pid" 2>/dev/null && pass || fail "the program ended"
kill "$pid"
wait "$pid"

echo "== sway keeps no clipboard: the last result outlives every way of ending"
copy() { run env WAYLAND_DISPLAY="$socket" wl-copy "$@"; }
# The wl-copy processes that serve this compositor's clipboard.
copies() {
    local p
    for p in $(pgrep -x wl-copy); do
        { tr '\0' '\n' <"/proc/$p/environ"; } 2>/dev/null | grep -x "XDG_RUNTIME_DIR=$runtime" >/dev/null && echo "$p"
    done
}
end_by() {
    case $1 in
    button) type_keys -k Tab -k Tab -k space ;; # past the mils result to the button
    close) run sh -c 'SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock) swaymsg kill' >/dev/null ;;
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
    for _ in $(seq 40); do
        kill -0 $kept 2>/dev/null || break
        sleep 0.05
    done
    kill -0 $kept 2>/dev/null && fail "$way: the program's copy outlives the clipboard" || pass
done

summary
