#!/usr/bin/env bash
# Builds the Windows installer with wixl from a folder that holds the WiX
# source (zandrel.wxs) and the files it names, at the version given. The
# same folder and version always give the same bytes:
# - the product and package codes are name-based UUIDs of the upgrade code
#   and the version, so a rebuild of one version is the same product (and a
#   winget manifest that names it stays right), and another version is not;
# - the files go into the cabinet with the time SOURCE_DATE_EPOCH;
# - wixl reads the clock for the package's summary information, so it runs
#   with the clock stopped at that time.
# Usage: scripts/build-msi.sh STAGE_DIR VERSION OUT.msi
set -euo pipefail
stage=$1 version=$2 out=$(realpath -m "$3")
epoch=$("$(dirname "$0")/source-date.sh")
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9a-fA-F-]*\)".*/\1/p' "$stage/zandrel.wxs")
[[ -n "$upgrade_code" ]] || { echo "no UpgradeCode in $stage/zandrel.wxs" >&2; exit 1; }
code() { python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
    "$upgrade_code" "$1 $version"; }
# Windows Installer needs the files' times; the stage's own are the build's.
find "$stage" -type f -exec touch -h -d "@$epoch" {} +
frozen() { TZ=UTC faketime -f "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" "$@"; }
cd "$stage"
frozen wixl -a x64 -D "Version=$version" -D "ProductCode=$(code product)" -o "$out" zandrel.wxs
# wixl makes up a package code of its own; msibuild sets it again with the
# rest of the summary as wixl wrote it.
summary() { msiinfo suminfo "$out" | sed -n "s/^$1: //p"; }
frozen msibuild "$out" -s "$(summary Subject)" "$(summary Author)" "$(summary Template)" \
    "{$(code package)}"
