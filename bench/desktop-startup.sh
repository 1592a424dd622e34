#!/usr/bin/env bash
# Start-up as users start it: on a desktop whose session bus has long had the
# desktop portal, its GTK back end and the accessibility bus running. Run
# through scripts/with-xvfb.sh (NO_WM=1) and scripts/with-gnome-session.sh.
# Usage: desktop-startup.sh RUNS NAME=PROGRAM NAME=PROGRAM
set -euo pipefail
gdbus call --session --dest org.freedesktop.portal.Desktop \
    --object-path /org/freedesktop/portal/desktop \
    --method org.freedesktop.portal.Settings.Read org.freedesktop.appearance color-scheme \
    >/dev/null
exec /usr/bin/python3 "$(dirname "$0")/startup.py" "$@"
