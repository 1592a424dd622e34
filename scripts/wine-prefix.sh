# Sourced by everything that runs the Windows program under Wine: the tests,
# the bench and the screenshots. One way to make a prefix.
# shellcheck shell=bash

# Makes a fresh prefix in a temporary folder and exports WINEPREFIX, as a
# fresh Windows would be for the program: without Mono and Gecko (nothing
# here needs them), and with font linking for the exit button's Traditional
# Chinese caption, which Windows does by itself and a fresh prefix does not
# (WenQuanYi, which the set-up script installs). Wine takes the user's
# language from the C library's locale: the locales named are made in
# $wine_locales, so that none need be installed, and when LANG's is among
# them, LOCPATH points there before the prefix is made. End with
# remove_wine_prefix.
# Usage: new_wine_prefix [LOCALE.UTF-8...]
new_wine_prefix() {
    wine_home=$(mktemp -d)
    wine_locales=$wine_home/locales
    export WINEPREFIX=$wine_home/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$wine_locales"
    local locale face link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for locale in "$@"; do
        localedef -i "${locale%.UTF-8}" -f UTF-8 "$wine_locales/$locale" 2>/dev/null &&
            [[ "$locale" == "${LANG:-}" ]] && export LOCPATH=$wine_locales
    done
    wineboot -i >/dev/null 2>&1 || { echo "FAIL: no Wine prefix"; return 1; }
    for face in Tahoma "MS Shell Dlg" "Segoe UI"; do
        wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f \
            >/dev/null 2>&1
    done
    wineserver -w
}

# The Windows version the prefix tells programs it is: win7, win10, ...
wine_windows_version() {
    wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$1" /f >/dev/null 2>&1
}

# Ends the prefix's wineserver, and with it every Windows program in it, and
# removes the prefix.
remove_wine_prefix() {
    [[ -n "${wine_home:-}" ]] || return 0
    wineserver -k 2>/dev/null
    rm -rf "$wine_home"
}
