#!/usr/bin/env bash
# Every text marked for translation is translated, and the .ts files are up
# to date: lupdate, run over a copy of each, finds nothing new, nothing
# unfinished and nothing gone.
# Usage: check_translations.sh LUPDATE SOURCE.cpp... -- FILE.ts...
set -uo pipefail
lupdate=$1
shift
sources=()
while [[ $1 != -- ]]; do sources+=("$1"); shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/../e2e/lib.sh"
for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none "${sources[@]}" -ts "$copy"
    untranslated=$(grep -c 'type="\(unfinished\|vanished\|obsolete\)"' "$copy")
    if ((untranslated == 0)) && cmp -s "$ts" "$copy"; then
        pass
    else
        fail "$(basename "$ts"): $untranslated texts without a translation; lupdate changes:"
        diff "$ts" "$copy"
    fi
done
summary
