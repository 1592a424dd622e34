#!/bin/sh
# Prints the time that stands for the source in every artefact, as seconds
# since 1970 (SOURCE_DATE_EPOCH): the caller's own if set, else the last
# commit's, else, in a tarball made by `git archive`, the commit time that
# git wrote into resources/source-date.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
elif git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$root" log -1 --format=%ct
else
    stamp=$(cat "$root/resources/source-date")
    case $stamp in
    '' | *[!0-9]*) echo "no git and no commit time in resources/source-date" >&2; exit 1 ;;
    esac
    echo "$stamp"
fi
