#!/usr/bin/env bash
# Installs the Debian packages that a set of make targets needs. Only what is
# missing is installed, so a second run costs a single dpkg-query.
# Usage: scripts/install-deps.sh SET...   (the sets are below; "all" is every one)
set -euo pipefail

# make, make run, make package: build and run the Linux program.
run=(
    # toolchain and build
    build-essential cmake ninja-build
    # Qt 6 and what its CMake packages expect; lupdate and lrelease for the
    # translations, and Qt's own translations for its buttons
    qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # the clipboard keepers: plain xcb on X11; on Wayland a look at the
    # compositor's globals before wl-copy takes over
    libxcb1-dev libwayland-dev pkg-config
    # Qt on Wayland, and wl-copy, which keeps the last result there
    qt6-wayland wl-clipboard
    # a font that has glyphs for the Traditional Chinese button caption
    fontconfig fonts-wqy-microhei
    # the .deb: its library dependencies are computed by dpkg-shlibdeps
    dpkg-dev file
)

# make windows: the native Windows program, its zip and its installer.
windows=(
    # the cross compiler, and Wine to run it
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
    # the installer: wixl builds the MSI, msibuild sets its package code,
    # msiinfo reads it back; faketime stops wixl's clock at the source's
    # time; zip packs the portable program
    wixl msitools faketime zip
)

# make release: the source tarball and Authenticode signing.
release=(git osslsigncode)

# make test, make test-sanitize, make bench, make fuzz, make clazy,
# make check-format, make screenshot and make check-release.
test=(
    # the fuzz target, its libFuzzer, the format and clazy
    clang clang-format clazy
    # benchmarks
    libbenchmark-dev
    # GUI tests under a real X server, the clipboard and screenshots
    xvfb xauth openbox xdotool xclip x11-utils imagemagick python3 python3-xlib
    # a real clipboard manager that takes the text at exit, and a tray for
    # its icon, without which it quits
    xfce4-clipman trayer
    # the desktop's font and theme for the screenshots, as GNOME hands them to Qt
    qt6-gtk-platformtheme
    # Wayland: headless compositors, a virtual keyboard, the protocols the
    # tests' launcher asks for an activation token with, and screenshots
    sway weston wtype wayland-protocols grim
    # a screen reader's view: a private D-Bus session, the AT-SPI bus, pyatspi
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi
    # GNOME's dark style as every program hears of it: the desktop portal and
    # its GTK back end, dconf behind gsettings; a late portal of the test's
    # own in Python
    xdg-desktop-portal xdg-desktop-portal-gtk dconf-service dconf-cli libglib2.0-bin
    gsettings-desktop-schemas python3-gi
    # localedef, for a German C library locale in the parser's tests
    locales
    # desktop integration checks: Windows resources, desktop entry, metainfo, .deb
    binutils-mingw-w64-i686 desktop-file-utils appstream lintian
    # releases: two builds compared, a throwaway certificate, the zip read back
    diffoscope-minimal openssl unzip
)

# make test on Debian 13, whose Qt takes a desktop's fractional scale itself:
# GNOME's own compositor, headless, and what takes a picture of its screen
# (its screen cast through PipeWire, read by GStreamer).
gnome=(mutter pipewire wireplumber gstreamer1.0-pipewire gstreamer1.0-tools
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good)

# make test-debian12 and test-debian13: a fresh minimal root, and a display of
# the stage's own on which the window is awaited and closed.
fresh=(mmdebstrap xvfb xauth python3 python3-xlib)

updated=0
install_missing() {
    local missing=() pkg native
    native=$(dpkg --print-architecture)
    for pkg in "$@"; do
        # A name without an architecture is the machine's own, whether dpkg
        # writes it plain or, where another architecture's may be installed
        # beside it (i386 for Wine, arm64), with the machine's.
        dpkg-query -W -f='${binary:Package} ${Status}\n' "${pkg%:*}" 2>/dev/null |
            grep -qxF -e "$pkg install ok installed" -e "$pkg:$native install ok installed" ||
            missing+=("$pkg")
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

# Debian 12's Qt draws at a whole scale and lets the compositor shrink it:
# there the case has nothing to find.
debian=$(. /etc/os-release && echo "${VERSION_ID:-0}")
((${debian%%.*} >= 13)) && test+=("${gnome[@]}")

wanted=("${run[@]}")
for set in "${@:-run}"; do
    case $set in
    run) ;;
    windows) wanted+=("${windows[@]}") ;;
    release) wanted+=("${windows[@]}" "${release[@]}") ;;
    test) wanted+=("${test[@]}") ;;
    fresh) wanted+=("${fresh[@]}") ;;
    all) wanted+=("${windows[@]}" "${release[@]}" "${test[@]}" "${fresh[@]}") ;;
    *) echo "unknown set '$set': run, windows, release, test, fresh or all" >&2; exit 2 ;;
    esac
done
install_missing "${wanted[@]}"
if [[ " ${wanted[*]} " == *" clang "* ]]; then
    # libFuzzer and the sanitizers' runtime must be those of the installed clang.
    install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
