#!/usr/bin/env bash
# Takes the README's pictures of the window under Xvfb after typing 25.4 mm
# and 3937 mil: as it comes, with a 14 pt desktop font, in a dark GTK theme,
# in GNOME's dark style (through the real desktop portal), in high contrast,
# dark and light (through a portal of the tests' own, which Debian 12's
# portal cannot be asked for), at 125 and 150 % on GNOME's own compositor
# with GNOME's font, with GNOME's Large Text at
# 150 % (through the tests' portal too), and the Windows
# program under Wine, light and in the dark app mode, in English and, with
# its window menu open, in Traditional Chinese. The font and the theme come
# from the desktop, through Qt's GTK 3 platform theme, as they would on GNOME.
# Usage: scripts/screenshot.sh BUILD_DIR DOCS_DIR WINDOWS_BUILD_DIR
set -euo pipefail
build=${1:-build}
docs=${2:-docs}
windows=${3:-build-windows}
here=$(cd "$(dirname "$0")" && pwd)
export here build

# The window's pictures wait on what they show: the window taking keys, the
# clipboard holding the last result, the menu drawn and still.
shoot() {
    local out=$1 class=zandrel
    source "$here/../tests/e2e/lib.sh"
    if [[ $# -gt 1 ]]; then
        class=zandrel.exe
        source "$here/wine-prefix.sh"
        trap remove_wine_prefix EXIT
        new_wine_prefix ${LANG:+"$LANG"} || exit 1
        if [[ -n "${APP_MODE_DARK:-}" ]]; then
            wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
                /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null 2>&1
        fi
        wine "$2" &
    else
        "$build/zandrel" &
    fi
    pid=$!
    # The same picture twice in a row (import's arguments): all is drawn.
    local shown="" now
    still() { now=$(import "$@" rgb:- | md5sum); [[ "$now" == "$shown" ]] || { shown=$now; false; }; }
    # In high contrast the boxes are as black as the window: the focus tells.
    focused() { [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$wid" ]]; }
    wid=$("$here/wait-active-window.sh" "$class" 30) &&
        wait_for 10 "${READY:-ready_for_keys}" || { kill "$pid"; exit 1; }
    xdotool type --delay 30 3937
    if [[ $# -gt 2 ]]; then
        # The Windows program's window menu, which another program opens for
        # it (openbox keeps Alt+Space for its own menu).
        expect_clipboard 100.000 "3937 mil"
        coproc OTHER { wine "$3" 2>/dev/null; }
        echo menu >&"${OTHER[1]}"
        read -r -t 20 _ <&"${OTHER[0]}"
        wait_for 5 still -window root -crop 420x300+0+0 # the menu is drawn
        import -window root -crop 420x300+0+0 "$out"
        exec {OTHER[1]}>&-
    else
        xdotool key Tab Tab Tab
        xdotool type --delay 30 25.4
        expect_clipboard 1000.00 "25.4 mm"
        wait_for 5 still -window "$wid" # the icon and the last paint are in
        import -window "$wid" -frame "$out"
    fi
    kill "$pid"
    echo "wrote $out"
}
export -f shoot

"$here/with-xvfb.sh" bash -c "shoot $docs/zandrel.png"

desktop=$(mktemp -d)
trap 'rm -rf "$desktop"' EXIT
mkdir -p "$desktop/gtk-3.0"
printf '[Settings]\ngtk-font-name=DejaVu Sans 14\n' >"$desktop/gtk-3.0/settings.ini"
XDG_CONFIG_HOME=$desktop QT_QPA_PLATFORMTHEME=gtk3 \
    "$here/with-xvfb.sh" bash -c "shoot $docs/zandrel-large-font.png"
GTK_THEME=Adwaita:dark QT_QPA_PLATFORMTHEME=gtk3 \
    "$here/with-xvfb.sh" bash -c "shoot $docs/zandrel-dark.png"
COLOR_SCHEME=prefer-dark "$here/with-xvfb.sh" "$here/with-gnome-session.sh" \
    bash -c "shoot $docs/zandrel-gnome-dark.png"
# SCHEME OUT: high contrast, asked by a portal of the tests' own on a bus of
# the picture's own, with the colour scheme SCHEME (0, or 1 for dark).
high_contrast() {
    coproc PORTAL { /usr/bin/python3 "$here/../tests/e2e/fake_portal.py" 0 color-scheme="$1" contrast=1; }
    read -r -t 10 _ <&"${PORTAL[0]}"
    READY=focused shoot "$2"
    kill "$PORTAL_PID"
}
export -f high_contrast
"$here/with-xvfb.sh" dbus-run-session -- bash -c "high_contrast 1 $docs/zandrel-high-contrast-dark.png"
"$here/with-xvfb.sh" dbus-run-session -- bash -c "high_contrast 0 $docs/zandrel-high-contrast.png"
# At GNOME's fractional scales, on its own compositor with GNOME's font, as
# the test of that case leaves them (the test set installs mutter on Debian
# 13, whose Qt takes the scale itself).
if command -v mutter >/dev/null; then
    ZANDREL_SCREENSHOTS=$docs "$here/../tests/e2e/scheme.sh" "$build/zandrel" mutter >/dev/null
else
    echo "zandrel-125.png and zandrel-150.png come from GNOME's compositor: make screenshot on Debian 13"
fi
# GNOME's Large Text at 150 %, with GNOME's font, through a portal of the
# tests' own.
large_text() {
    coproc PORTAL { /usr/bin/python3 "$here/../tests/e2e/fake_portal.py" 0 \
        "font-name=DejaVu Sans 10" text-scaling-factor=1.5; }
    read -r -t 10 _ <&"${PORTAL[0]}"
    XDG_CURRENT_DESKTOP=GNOME shoot "$1"
    kill "$PORTAL_PID"
}
export -f large_text
"$here/with-xvfb.sh" dbus-run-session -- bash -c "large_text $docs/zandrel-large-text.png"
"$here/with-xvfb.sh" bash -c "shoot $docs/zandrel-windows.png $windows/zandrel.exe"
APP_MODE_DARK=1 "$here/with-xvfb.sh" bash -c "shoot $docs/zandrel-windows-dark.png $windows/zandrel.exe"
LANG=zh_TW.UTF-8 "$here/with-xvfb.sh" bash -c \
    "shoot $docs/zandrel-zh-tw.png $windows/zandrel.exe $windows/tests/other_program.exe"
