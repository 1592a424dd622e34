#!/usr/bin/env bash
# Runs a command in a private D-Bus session set up as GNOME's is for a
# program: XDG_CURRENT_DESKTOP=GNOME, settings in dconf, and the real desktop
# portal (xdg-desktop-portal with its GTK back end), started by the bus when
# first asked. COLOR_SCHEME (default, prefer-dark or prefer-light) is set
# first, as GNOME's Settings sets it. Run through scripts/with-xvfb.sh: the
# portal's back end needs the display. Everything the bus started ends with
# it; the session's home goes too.
# Usage: scripts/with-gnome-session.sh COMMAND [ARGS...]
set -euo pipefail
if [[ -z "${ZANDREL_GNOME_HOME:-}" ]]; then
    home=$(mktemp -d)
    # The services the bus started may still be writing there as they end.
    trap 'rm -rf "$home" 2>/dev/null || true' EXIT
    ZANDREL_GNOME_HOME=$home dbus-run-session -- "$0" "$@"
    exit
fi
home=$ZANDREL_GNOME_HOME
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
    XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime \
    XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=dconf
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The bus starts the portal and dconf with its own environment: they must
# find the display and this session's folders.
dbus-update-activation-environment DISPLAY HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME \
    XDG_RUNTIME_DIR XDG_CURRENT_DESKTOP GSETTINGS_BACKEND
gsettings set org.gnome.desktop.interface color-scheme "${COLOR_SCHEME:-default}"
"$@"
