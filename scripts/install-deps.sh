#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Only what is missing is installed, so a second run costs a single dpkg-query.
set -euo pipefail

packages=(
    # toolchain and build
    build-essential cmake ninja-build clang clang-format clazy
    # Qt 6 and what its CMake packages expect; lupdate and lrelease for the
    # translations, and Qt's own translations for its buttons
    qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # the clipboard keepers: plain xcb on X11; on Wayland a look at the
    # compositor's globals before wl-copy takes over
    libxcb1-dev libwayland-dev pkg-config
    # Qt on Wayland
    qt6-wayland
    # benchmarks
    libbenchmark-dev
    # GUI tests under a real X server, the clipboard and screenshots
    xvfb xauth openbox xdotool xclip x11-utils imagemagick python3 python3-xlib
    # a real clipboard manager that takes the text at exit, and a tray for
    # its icon, without which it quits
    xfce4-clipman trayer
    # the desktop's font and theme for the screenshots, as GNOME hands them to Qt
    qt6-gtk-platformtheme
    # Wayland: headless compositors, a virtual keyboard and the clipboard's tools
    sway weston wtype wl-clipboard
    # a screen reader's view: a private D-Bus session, the AT-SPI bus, pyatspi
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi
    # localedef, for a German C library locale in the parser's tests
    locales
    # a font that has glyphs for the Traditional Chinese button caption
    fontconfig fonts-wqy-microhei
    # the Windows program: the cross compiler, and Wine to run and test it
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
    # its installer: wixl builds the MSI, msibuild sets its package code,
    # msiinfo reads it back; faketime stops wixl's clock at the source's time;
    # zip packs the portable program
    wixl msitools faketime zip
    # releases: the source tarball, Authenticode signing, and the checks that
    # two builds are the same and a signature verifies
    git osslsigncode diffoscope-minimal openssl unzip
    # desktop integration checks: Windows resources, desktop entry, metainfo, .deb
    binutils-mingw-w64-i686 desktop-file-utils appstream dpkg-dev file lintian
)

updated=0
install_missing() {
    local missing=() pkg status
    for pkg in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
    done
    ((${#missing[@]} == 0)) && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    ((EUID != 0)) && sudo=(sudo)
    if ((updated == 0)); then
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
        updated=1
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"
# libFuzzer and the sanitizers' runtime must be those of the installed clang.
install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
