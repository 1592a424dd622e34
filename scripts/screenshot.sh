#!/usr/bin/env bash
# Takes the README's pictures of the window under Xvfb after typing 25.4 mm
# and 3937 mil: as it comes, with a 14 pt desktop font, in a dark theme, and
# the Windows program under Wine, in English and, with its window menu open,
# in Traditional Chinese. The font and the theme come from the
# desktop, through Qt's GTK 3 platform theme, as they would on GNOME.
# Usage: scripts/screenshot.sh BUILD_DIR DOCS_DIR WINDOWS_BUILD_DIR
set -euo pipefail
build=${1:-build}
docs=${2:-docs}
windows=${3:-build-windows}
here=$(cd "$(dirname "$0")" && pwd)
export here build

shoot() {
    local out=$1 class=zandrel
    if [[ $# -gt 1 ]]; then
        class=zandrel.exe
        "$here/wine-prefix.sh" >/dev/null 2>&1
        wine "$2" &
    else
        "$build/zandrel" &
    fi
    pid=$!
    wid=$("$here/wait-active-window.sh" "$class" 30) || { kill "$pid"; exit 1; }
    sleep 0.3
    xdotool type --delay 30 3937
    xdotool key Tab Tab Tab
    xdotool type --delay 30 25.4
    sleep 0.3
    import -window "$wid" -frame "$out"
    kill "$pid"
    echo "wrote $out"
}
export -f shoot

# The Windows program in Traditional Chinese with its window menu open, which
# another program opens for it (openbox keeps Alt+Space for its own menu).
shoot_menu() {
    local out=$1
    "$here/wine-prefix.sh" >/dev/null 2>&1
    wine "$2" &
    pid=$!
    wid=$("$here/wait-active-window.sh" zandrel.exe 30) || { kill "$pid"; exit 1; }
    sleep 0.3
    xdotool type --delay 30 3937
    coproc OTHER { wine "$3" 2>/dev/null; }
    echo menu >&"${OTHER[1]}"
    read -r -t 20 _ <&"${OTHER[0]}"
    sleep 1
    import -window root -crop 420x300+0+0 "$out"
    exec {OTHER[1]}>&-
    kill "$pid"
    echo "wrote $out"
}
export -f shoot_menu

"$here/with-xvfb.sh" bash -c "shoot $docs/zandrel.png"

desktop=$(mktemp -d)
trap 'rm -rf "$desktop"' EXIT
mkdir -p "$desktop/gtk-3.0"
printf '[Settings]\ngtk-font-name=DejaVu Sans 14\n' >"$desktop/gtk-3.0/settings.ini"
XDG_CONFIG_HOME=$desktop QT_QPA_PLATFORMTHEME=gtk3 \
    "$here/with-xvfb.sh" bash -c "shoot $docs/zandrel-large-font.png"
GTK_THEME=Adwaita:dark QT_QPA_PLATFORMTHEME=gtk3 \
    "$here/with-xvfb.sh" bash -c "shoot $docs/zandrel-dark.png"
WINEPREFIX=$desktop/wine WINEDEBUG=-all \
    "$here/with-xvfb.sh" bash -c "shoot $docs/zandrel-windows.png $windows/zandrel.exe; wineserver -k"
# Wine takes its language from the C library's locale, made here.
mkdir -p "$desktop/locales"
localedef -i zh_TW -f UTF-8 "$desktop/locales/zh_TW.UTF-8"
WINEPREFIX=$desktop/wine-zh WINEDEBUG=-all LANG=zh_TW.UTF-8 LOCPATH=$desktop/locales \
    "$here/with-xvfb.sh" bash -c \
    "shoot_menu $docs/zandrel-zh-tw.png $windows/zandrel.exe $windows/tests/other_program.exe; wineserver -k"
