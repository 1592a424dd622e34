#!/usr/bin/env bash
# clazy, at its default level, over the project's own sources, each compiled
# as its build folder compiles it. Any warning fails.
# Usage: scripts/clazy.sh BUILD_DIR FUZZ_BUILD_DIR
set -uo pipefail
build=$1
fuzz_build=$2
cd "$(dirname "$0")/.."
log=$(mktemp)
trap 'rm -f "$log"' EXIT

status=0
# Every source the Linux build compiles; the Windows front end is compiled
# by the cross build only, and is no Qt code.
for file in $(git ls-files '*.cpp' | grep -v '^fuzz/'); do
    if grep -qF "\"$PWD/$file\"" "$build/compile_commands.json"; then echo "$file"; fi
done | xargs -P "$(nproc)" -n 1 clazy-standalone -p "$build" >>"$log" 2>&1 || status=1
git ls-files 'fuzz/*.cpp' |
    xargs -n 1 clazy-standalone -p "$fuzz_build" >>"$log" 2>&1 || status=1
if grep -q 'warning:\|error:' "$log"; then
    grep 'warning:\|error:' "$log"
    status=1
fi
((status == 0)) && echo "clazy: no warnings" || echo "clazy: see above"
exit $status
