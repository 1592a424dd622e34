#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running and testing need.
# Only what is missing is installed, so a second run costs a single dpkg-query.
set -euo pipefail

packages=(
    # toolchain and build
    build-essential cmake ninja-build clang libclang-rt-14-dev clang-format
    # Qt 6 and what its CMake packages expect
    qt6-base-dev libgl-dev
    # benchmarks
    libbenchmark-dev
    # GUI tests under a real X server, the clipboard and screenshots
    xvfb xauth openbox xdotool xclip x11-utils imagemagick python3 python3-xlib
    # the desktop's font and theme for the screenshots, as GNOME hands them to Qt
    qt6-gtk-platformtheme
    # localedef, for a German C library locale in the parser's tests
    locales
    # a font that has glyphs for the Traditional Chinese button caption
    fontconfig fonts-wqy-microhei
    # desktop integration checks: Windows resources, desktop entry, metainfo, .deb
    binutils-mingw-w64-i686 desktop-file-utils appstream dpkg-dev file
)

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=()
if ((EUID != 0)); then
    sudo=(sudo)
fi
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
