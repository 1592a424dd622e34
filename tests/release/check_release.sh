#!/usr/bin/env bash
# Releases anyone can verify. `make release` runs twice, in two clean clones
# of the commit in folders of different names, the second with the clock a
# day on and another umask; every artefact must be the same to the byte
# (diffoscope shows any difference). Then the second clone releases again
# with a throwaway certificate: the program and the installer are signed
# and verify, the password shows in no process list and no log, and under
# Wine the signed installer installs, its program converts, and it goes.
# Usage: tests/release/check_release.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/e2e/lib.sh"
# wine.sh finds the window's controls in the design table of a build.
: "${ZANDREL_DESIGN:?the design table (make check-release gives it)}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artefacts=(build-release/zandrel build-release/zandrel-clipboard-keeper
    build-release-windows/zandrel.exe dist/*)

echo "== two releases of the same commit"
git clone -q "$root" "$work/first" && git clone -q "$root" "$work/second/elsewhere" ||
    { fail "cloning $root"; summary; exit; }
(cd "$work/first" && umask 022 && make release) >"$work/first.log" 2>&1 ||
    { cat "$work/first.log"; fail "the first release"; summary; exit; }
(cd "$work/second/elsewhere" && umask 027 && faketime -f +1d make release) >"$work/second.log" 2>&1 ||
    { cat "$work/second.log"; fail "the second release"; summary; exit; }
cd "$work/first" || exit 1
for file in ${artefacts[*]}; do
    other=$work/second/elsewhere/$file
    if cmp -s "$file" "$other"; then
        pass
    else
        fail "$file differs between the two builds"
        timeout 300 diffoscope --text - "$file" "$other" | head -200
    fi
done
(cd dist && sha256sum --quiet -c SHA256SUMS) && pass || fail "SHA256SUMS does not match dist/"
echo "size, SHA-256 and file, first build then second:"
for file in ${artefacts[*]}; do
    for build in "$work/first" "$work/second/elsewhere"; do
        printf '%9d %s\n' "$(stat -c %s "$build/$file")" "$(cd "$build" && sha256sum "$file")"
    done
done
grep -qx 'unsigned: .*' "$work/first.log" && pass || fail "an unsigned release does not say so"
# Built from the tarball, where there is no git, the time is the commit's too.
mkdir "$work/tarball"
tar xzf dist/zandrel-*.tar.gz -C "$work/tarball"
[[ "$(env -u SOURCE_DATE_EPOCH "$work"/tarball/zandrel-*/scripts/source-date.sh)" == "$(git log -1 --format=%ct)" ]] &&
    pass || fail "the source tarball does not carry the commit's time"

echo "== a signed release"
cd "$work/second/elsewhere" || exit 1
export password
password=$(openssl rand -hex 16)
# grep takes it from a file: on its own command line it would find itself.
echo "$password" >"$work/password"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
    -subj "/CN=Zandrel test signing" 2>/dev/null &&
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" \
        -passout env:password 2>/dev/null || fail "making a certificate"
ZANDREL_SIGN_PKCS12=$work/cert.p12 ZANDREL_SIGN_PASSWORD=$password \
    make release DIST_DIR=dist-signed >"$work/signed.log" 2>&1 &
release=$!
seen=0
while kill -0 "$release" 2>/dev/null; do
    ps -eo args= | grep -qFf "$work/password" && seen=1
    sleep 0.1 # how often the process list is read while the release runs
done
wait "$release" && pass || { cat "$work/signed.log"; fail "the signed release"; }
((seen == 0)) && pass || fail "the password was on a command line"
grep -qFf "$work/password" "$work/signed.log" && fail "the password is in the log" || pass

mkdir "$work/unpacked"
unzip -q dist-signed/zandrel-windows-x86_64.zip -d "$work/unpacked"
signed_exe=$work/unpacked/zandrel.exe
verify() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1; }
verify "$signed_exe" && pass || { cat "$work/verify.log"; fail "the signed program does not verify"; }
msi=$(echo dist-signed/zandrel-*.msi)
verify "$msi" && pass || { cat "$work/verify.log"; fail "the signed installer does not verify"; }
verify dist/zandrel-windows-x86_64.zip && fail "an unsigned file verifies" || pass
# The password given in a file instead signs the same bytes.
ZANDREL_SIGN_PKCS12=$work/cert.p12 ZANDREL_SIGN_PASSWORD_FILE=$work/password \
    scripts/sign.sh build-release-windows/zandrel.exe "$work/again.exe" &&
    cmp -s "$work/again.exe" "$signed_exe" && pass || fail "signing with a password file"

echo "== the signed installer under Wine"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-release/CMakeCache.txt)
"$root/scripts/with-xvfb.sh" "$root/tests/e2e/wine.sh" "$signed_exe" - "$PWD/$msi" \
    "$PWD/build-release-windows/window/win32/msi" "$version" && pass || fail "the signed installer under Wine"
summary
