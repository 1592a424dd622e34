#!/bin/sh
# Prints the time that stands for the source in every artefact, as seconds
# since 1970 (SOURCE_DATE_EPOCH): the caller's own if set, else the last
# commit's, else, in a tarball made by `git archive`, the commit time that
# git wrote into resources/source-date, else the changelog's date.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
elif git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$root" log -1 --format=%ct
else
    stamp=$(cat "$root/resources/source-date")
    case $stamp in
    '' | *[!0-9]*) date -d "$(sed -n 's/^ -- .*>  //p' "$root/resources/changelog.in" | head -n 1)" +%s ;;
    *) echo "$stamp" ;;
    esac
fi
