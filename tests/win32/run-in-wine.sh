#!/usr/bin/env bash
# Runs a Windows test program under Wine in a fresh prefix of its own, in the
# language LANG names: Wine takes the user's language from the C library's
# locale, which is made here so that none need be installed.
# Run through scripts/with-xvfb.sh. Usage: run-in-wine.sh PROGRAM.exe [ARGS...]
set -uo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ "${LANG:-}" == *.UTF-8 ]]; then
    mkdir -p "$WINEPREFIX.locales" &&
        localedef -i "${LANG%.UTF-8}" -f UTF-8 "$WINEPREFIX.locales/$LANG" 2>/dev/null &&
        export LOCPATH=$WINEPREFIX.locales
    trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX" "$WINEPREFIX.locales"' EXIT
fi
"$scripts/wine-prefix.sh" >/dev/null 2>&1 || { echo "FAIL: no Wine prefix"; exit 1; }
wine "$@"
