#!/usr/bin/env bash
# The README's two commands as a newcomer types them, on Debian 12 or 13: a
# minimal root made fresh in DIR with mmdebstrap (make and git, nothing
# else), from the same mirror as this machine's packages, and the working
# tree copied into it. Inside, `make run` installs, builds and starts the
# program on a private Xvfb; the window is awaited by its title and closed,
# and make must end with 0. Then `cmake --install` of that build, and
# `make test` in full, warnings as errors. The root runs in mount and PID
# namespaces of its own: its mounts, and every process left, end with it.
# Usage: scripts/fresh-debian.sh bookworm|trixie DIR [MAKE ARGUMENTS FOR make test...]
set -euo pipefail
cd "$(dirname "$0")/.."
suite=$1 dir=$2
shift 2
if ((EUID != 0)); then
    exec sudo --preserve-env=SOURCE_DATE_EPOCH "$0" "$suite" "$dir" "$@"
fi
# A display of the stage's own for the window, whatever the caller has.
if [[ -z "${FRESH_DEBIAN_XVFB:-}" ]]; then
    FRESH_DEBIAN_XVFB=1 NO_WM=1 exec scripts/with-xvfb.sh "$0" "$suite" "$dir" "$@"
fi
case $suite in
bookworm) release=12 ;;
trixie) release=13 ;;
*) echo "unknown suite '$suite': bookworm or trixie" >&2; exit 2 ;;
esac
root="$dir/root"

# This machine's Debian and security mirrors, as apt has them.
mirror=http://deb.debian.org/debian
security=http://deb.debian.org/debian-security
while read -r uri name; do
    case $name in
    *-security) security=${uri%/} ;;
    *-*) ;;
    *) mirror=${uri%/} ;;
    esac
done < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' \
    'Origin: Debian' 2>/dev/null | sort -u)

started=$(date +%s)
rm -rf "$root"
mkdir -p "$dir"
mmdebstrap --quiet --variant=minbase --include=make,git "$suite" "$root" \
    "deb $mirror $suite main" "deb $mirror $suite-updates main" \
    "deb $security $suite-security main"
installed() { dpkg-query --root="$root" -W -f='${db:Status-Abbrev}\n' | grep -c '^ii'; }
echo "Debian $release root: $(installed) packages, $(($(date +%s) - started)) s"

# The tracked files as they are in the working tree, uncommitted changes too.
mkdir -p "$root/src"
git ls-files -z | tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$root/src"
source_date=$(scripts/source-date.sh)

# Runs a shell command in /src inside the root, with nothing of this
# machine's environment but the display. apt's progress lines are left out.
inside() {
    unshare --mount --pid --fork --mount-proc="$root/proc" bash -s "$root" "$source_date" "$1" <<'INSIDE' |
set -euo pipefail
root=$1 source_date=$2 command=$3
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t sysfs sysfs "$root/sys"
mount -t tmpfs tmpfs "$root/tmp"
cp /etc/resolv.conf "$root/etc/resolv.conf"
exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 SOURCE_DATE_EPOCH="$source_date" \
    DISPLAY="$DISPLAY" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /src && $command"
INSIDE
        sed -uE '/^(Get:|Selecting |Preparing to unpack|Unpacking |Setting up |Processing triggers|\(Reading database)/d'
}

# make run: the window must show, by its title, and close with status 0. A
# make that ends first (a failed configure or build) ends the wait.
before=$(installed)
started=$(date +%s)
inside 'make run' &
make_pid=$!
if ! window=$(scripts/wait-window.py Zandrel 1500 "$make_pid"); then
    wait "$make_pid" || true
    echo "Debian $release: make run showed no window" >&2
    exit 1
fi
echo "Debian $release: make run showed the window after $(($(date +%s) - started)) s," \
    "with $(($(installed) - before)) packages installed"
scripts/wait-window.py --close "$window"
wait "$make_pid" || { echo "Debian $release: make run ended with status $?" >&2; exit 1; }

# What a packager does next with that build, then the second command.
inside 'cmake --install build --prefix /tmp/installed >/dev/null'
before=$(installed)
started=$(date +%s)
inside "make test WERROR=ON $*"
echo "Debian $release: make test passed in $(($(date +%s) - started)) s," \
    "with $(($(installed) - before)) more packages installed"
