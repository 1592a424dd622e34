#!/usr/bin/env bash
# Runs a Windows test program under Wine in a fresh prefix of its own, in the
# language LANG names. Run through scripts/with-xvfb.sh.
# Usage: run-in-wine.sh PROGRAM.exe [ARGS...]
set -uo pipefail
source "$(dirname "$0")/../../scripts/wine-prefix.sh"
trap remove_wine_prefix EXIT
new_wine_prefix ${LANG:+"$LANG"} || exit 1
wine "$@"
