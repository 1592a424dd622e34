#!/usr/bin/env bash
# The README's two commands as a newcomer types them, on Debian 12 or 13: a
# minimal root made fresh in DIR with mmdebstrap (make and git, nothing
# else), from the same mirror as this machine's packages, and a clone of the
# commit checked out here in it (what is not committed is not in it). Inside,
# as root, `make run` installs, builds and starts the program on a private
# Xvfb; the window is awaited by its title and closed, and make must end with
# 0. Then `cmake --install` of that build, and `make test` in full, warnings
# as errors. The root runs in mount and PID namespaces of its own: its
# mounts, and every process left, end with it. Whatever make run does, the
# stage ends, saying what it did not see.
# Usage: scripts/fresh-debian.sh bookworm|trixie DIR [MAKE ARGUMENTS FOR make test...]
set -euo pipefail
cd "$(dirname "$0")/.."
suite=$1 dir=$2
shift 2
if ((EUID != 0)); then
    exec sudo "$0" "$suite" "$dir" "$@"
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

# What a newcomer clones: the commit, as it is committed.
git clone --quiet --no-local --no-hardlinks "$PWD" "$root/src"
git -C "$root/src" checkout --quiet --detach "$(git rev-parse HEAD)"
if [[ -n "$(git status --porcelain --untracked-files=no)" ]]; then
    echo "Debian $release: uncommitted changes are not in the stage; it tests $(git rev-parse --short HEAD)"
fi

# Runs a shell command in /src inside the root, with nothing of this
# machine's environment but the display. apt's progress lines are left out.
inside() {
    unshare --mount --pid --fork --kill-child --mount-proc="$root/proc" bash -s "$root" "$1" <<'INSIDE' |
set -euo pipefail
root=$1 command=$2
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t sysfs sysfs "$root/sys"
mount -t tmpfs tmpfs "$root/tmp"
cp /etc/resolv.conf "$root/etc/resolv.conf"
exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
    DISPLAY="$DISPLAY" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /src && $command"
INSIDE
        sed -uE '/^(Get:|Selecting |Preparing to unpack|Unpacking |Setting up |Processing triggers|\(Reading database)/d'
}

# make run: the window must show, by its title, and close with status 0. A
# make that ends first (a failed configure or build) ends the wait. make run
# is a process group of its own, so that all of it can be ended at once:
# unshare takes the root's every process with it.
before=$(installed)
started=$(date +%s)
set -m
inside 'make run' &
make_pid=$!
set +m
end_make_run() {
    kill -TERM -- "-$make_pid" 2>/dev/null || true
    wait "$make_pid" 2>/dev/null || true
}
if ! window=$(scripts/wait-window.py Zandrel 1500 "$make_pid"); then
    kill -0 "$make_pid" 2>/dev/null && end_make_run || wait "$make_pid" || true
    echo "Debian $release: make run showed no window titled Zandrel" >&2
    exit 1
fi
echo "Debian $release: make run showed the window after $(($(date +%s) - started)) s," \
    "with $(($(installed) - before)) packages installed"
scripts/wait-window.py --close "$window" || true
# Closed as by its title bar, the program ends at once.
for ((tenths = 0; tenths < 300; tenths++)); do
    kill -0 "$make_pid" 2>/dev/null || break
    sleep 0.1 # the interval at which make run's end is looked for
done
if kill -0 "$make_pid" 2>/dev/null; then
    end_make_run
    echo "Debian $release: make run did not end within 30 s of the window's close" >&2
    exit 1
fi
wait "$make_pid" || { echo "Debian $release: make run ended with status $?" >&2; exit 1; }

# What a packager does next with that build, then the second command.
inside 'cmake --install build --prefix /tmp/installed >/dev/null'
before=$(installed)
started=$(date +%s)
inside "make test WERROR=ON $*"
echo "Debian $release: make test passed in $(($(date +%s) - started)) s," \
    "with $(($(installed) - before)) more packages installed"
