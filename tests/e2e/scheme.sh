#!/usr/bin/env bash
# The window's colours follow the desktop's, on GNOME's terms: its dark style
# through the real desktop portal, at start and while running; a portal that
# answers late, and none at all; a dark GTK theme chosen by name. Dark or
# light, every text stays readable and the results stand apart. Run through
# scripts/with-xvfb.sh. Usage: scheme.sh PATH/TO/zandrel
set -uo pipefail
zandrel=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The window's own background, beside the first label.
channel() { local c; c=$(pixel Label1 -20); echo $((16#${c:1:2})); }
dark() { (($(channel) < 64)); }
light() { (($(channel) > 192)); }

start() {
    "$zandrel" &
    pid=$!
    wid=$("$scripts/wait-active-window.sh" zandrel 10) &&
        wait_for 10 ready_for_keys || { fail "window did not take keys"; kill "$pid"; return 1; }
}
stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null
}
# Every text readable and the results apart, in the colours it has now: $1.
readable() {
    import -window "$wid" "$work/$1.png"
    /usr/bin/python3 "$here/contrast.py" "$work/$1.png" "$ZANDREL_DESIGN" "$1" && pass ||
        fail "$2: the window's colours"
}

if [[ "${1:-}" == --session ]]; then
    shift
    zandrel=$1
    case $2 in
    gnome)
        echo "== GNOME's dark style, at start and while running"
        start || exit 1
        xdotool type --delay 20 5
        expect_clipboard 0.127 "5 at start"
        wait_for 5 dark || fail "dark at start: the window's background is $(pixel Label1 -20)"
        readable dark "dark at start"
        gsettings set org.gnome.desktop.interface color-scheme default
        wait_for 1 light && pass || fail "the default style: not light within a second"
        readable light "the default style while running"
        gsettings set org.gnome.desktop.interface color-scheme prefer-dark
        wait_for 1 dark && pass || fail "the dark style again: not dark within a second"
        stop
        ;;
    late)
        echo "== a portal that answers after three seconds"
        coproc PORTAL { /usr/bin/python3 "$here/late_portal.py" 3; }
        read -r -t 10 ready <&"${PORTAL[0]}"
        [[ "${ready:-}" == ready ]] || { fail "the late portal did not start"; exit 1; }
        asked=${EPOCHREALTIME/./}
        start || exit 1
        shown=${EPOCHREALTIME/./}
        echo "the window took keys after $(((shown - asked) / 1000)) ms"
        ((shown - asked < 3000000)) && light && pass || fail "the window waited for the portal"
        wait_for 5 dark && pass || fail "the late answer did not turn the window dark"
        stop
        kill "$PORTAL_PID"
        ;;
    none)
        echo "== no portal on the bus"
        start || exit 1
        light && pass || fail "no portal: the window is not light"
        readable light "no portal"
        stop
        ;;
    esac
    summary
    exit
fi

COLOR_SCHEME=prefer-dark "$scripts/with-gnome-session.sh" "$0" --session "$zandrel" gnome ||
    fail "GNOME's dark style"
# A bus with nothing to start: no portal, or only the late one of this test.
cat >"$work/bus.conf" <<'CONF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
for case in late none; do
    dbus-run-session --config-file="$work/bus.conf" -- "$0" --session "$zandrel" "$case" ||
        fail "$case"
done
echo "== a dark GTK theme by name"
GTK_THEME=Adwaita:dark QT_QPA_PLATFORMTHEME=gtk3 start || exit 1
wait_for 5 dark || fail "Adwaita-dark: the window's background is $(pixel Label1 -20)"
readable dark "Adwaita-dark"
stop
summary
