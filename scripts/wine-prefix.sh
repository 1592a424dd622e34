#!/usr/bin/env bash
# Makes the Wine prefix named by WINEPREFIX, as a fresh Windows would be for
# the program: without Mono and Gecko (nothing here needs them), and with
# font linking for the exit button's Traditional Chinese caption, which
# Windows does by itself and a fresh prefix does not (WenQuanYi, which the
# set-up script installs).
set -euo pipefail
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wineboot -i
link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in Tahoma "MS Shell Dlg" "Segoe UI"; do
    wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f
done
wineserver -w
