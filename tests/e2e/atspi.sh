#!/usr/bin/env bash
# What a screen reader sees of the running program, on a real AT-SPI bus in
# a D-Bus session of its own. Run through scripts/with-xvfb.sh.
# Usage: atspi.sh PATH/TO/zandrel
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

if [[ -z "${ZANDREL_IN_SESSION:-}" ]]; then
    ZANDREL_IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
# Qt looks for the accessibility bus once, at start.
bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1
}
wait_for 5 bus_up || { echo "FAIL: no accessibility bus"; exit 1; }
trap 'kill "${pid:-}" "$launcher" 2>/dev/null; wait 2>/dev/null' EXIT
# The same checks in each desktop language: its environment, and the row of
# the check's table it must match.
status=0
while read -r expected environment; do
    echo "== $environment"
    env $environment QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
    pid=$!
    "$here/../../scripts/wait-active-window.sh" zandrel 10 >/dev/null || { echo "FAIL: no window"; exit 1; }
    timeout 90 /usr/bin/python3 "$here/atspi_check.py" "$expected" || status=1
    kill "$pid"
    wait "$pid" 2>/dev/null
done <<'LANGUAGES'
en LANG=en_US.UTF-8 LANGUAGE=
zh_TW LANG=zh_TW.UTF-8 LANGUAGE=zh_TW
fr LANG=fr_FR.UTF-8 LANGUAGE=
LANGUAGES
exit $status
