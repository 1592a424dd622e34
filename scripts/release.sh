#!/usr/bin/env bash
# Builds what a release publishes into DIST: the .deb, the Windows zip and
# installer, the source tarball, and SHA256SUMS over them. The same commit
# gives the same bytes wherever and whenever it is built (see
# docs/releasing.md). With ZANDREL_SIGN_PKCS12 set, the Windows program is
# signed before it goes into the zip and the installer, and the installer
# is signed too (scripts/sign.sh).
# Usage: scripts/release.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR DIST
set -euo pipefail
cd "$(dirname "$0")/.."
linux=$1 windows=$2 dist=$3
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(scripts/source-date.sh)
configure=(-G Ninja -DZANDREL_BUILD_TESTS=OFF -DZANDREL_BUILD_BENCH=OFF
    -DZANDREL_WERROR="${ZANDREL_WERROR:-OFF}")

cmake -S . -B "$linux" "${configure[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$linux"
# CPack takes the folders' and the archive members' modes from the umask.
(cd "$linux" && umask 022 && cpack -G DEB >/dev/null)

cmake -S . -B "$windows" "${configure[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
# Signed or not is decided by the environment, which the build cannot see:
# what is signed is always made again.
rm -f "$windows"/window/win32/package/zandrel.exe "$windows"/*.zip "$windows"/*.msi
cmake --build "$windows"
if [[ -n "${ZANDREL_SIGN_PKCS12:-}" ]]; then
    echo "signed the Windows program and installer with $ZANDREL_SIGN_PKCS12"
else
    echo "unsigned: no certificate given (ZANDREL_SIGN_PKCS12, see docs/releasing.md)"
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$linux/CMakeCache.txt")
rm -rf "$dist"
mkdir -p "$dist"
cp "$linux"/zandrel_*.deb "$windows"/zandrel-windows-x86_64.zip "$windows"/zandrel-*.msi "$dist/"
# git writes the commit's time into every member and into the tarball's
# resources/source-date, and gzips without a name or time of its own.
git archive --format=tar.gz --prefix="zandrel-$version/" -o "$dist/zandrel-$version.tar.gz" HEAD
(cd "$dist" && LC_ALL=C sha256sum -- * >SHA256SUMS)
cat "$dist/SHA256SUMS"
