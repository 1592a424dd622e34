#!/usr/bin/env bash
# Copies a Windows program or installer from IN to OUT, signed with
# Authenticode when a certificate is given:
#   ZANDREL_SIGN_PKCS12         the certificate and its key, a PKCS#12 file
#   ZANDREL_SIGN_PASSWORD_FILE  a file holding its password, or
#   ZANDREL_SIGN_PASSWORD       the password itself
#   ZANDREL_SIGN_TIMESTAMP_URL  a timestamping service (optional)
# The password reaches osslsigncode on its standard input, never on a command
# line. The signing time is SOURCE_DATE_EPOCH, so that signing the same
# build with the same key gives the same bytes.
# Usage: scripts/sign.sh IN OUT
set -euo pipefail
in=$1 out=$2
if [[ -z "${ZANDREL_SIGN_PKCS12:-}" ]]; then
    cp "$in" "$out"
    exit 0
fi
args=(sign -pkcs12 "$ZANDREL_SIGN_PKCS12" -readpass - -h sha256 -n Zandrel
    -time "$("$(dirname "$0")/source-date.sh")")
[[ -n "${ZANDREL_SIGN_TIMESTAMP_URL:-}" ]] && args+=(-t "$ZANDREL_SIGN_TIMESTAMP_URL")
rm -f "$out"
if [[ -n "${ZANDREL_SIGN_PASSWORD_FILE:-}" ]]; then
    osslsigncode "${args[@]}" -in "$in" -out "$out" <"$ZANDREL_SIGN_PASSWORD_FILE" >/dev/null
else
    osslsigncode "${args[@]}" -in "$in" -out "$out" <<<"${ZANDREL_SIGN_PASSWORD:-}" >/dev/null
fi
