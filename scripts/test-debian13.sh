#!/usr/bin/env bash
# The Linux build and its tests on Debian 13, as a newcomer there gets them:
# a minimal Debian 13 root made fresh in DIR with mmdebstrap, from the same
# mirror as this machine's packages; the working tree copied into it; then,
# inside, the project's own install script and `make test-linux` with
# warnings as errors. The root runs in mount and PID namespaces of its own:
# its mounts, and every process the tests leave, end with it.
# Usage: scripts/test-debian13.sh DIR [MAKE ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
if ((EUID != 0)); then
    exec sudo --preserve-env=SOURCE_DATE_EPOCH "$0" "$dir" "$@"
fi
root="$dir/root"
suite=trixie

# This machine's Debian and security mirrors, as apt has them.
mirror=http://deb.debian.org/debian
security=http://deb.debian.org/debian-security
while read -r uri release; do
    case $release in
    *-security) security=${uri%/} ;;
    *-*) ;;
    *) mirror=${uri%/} ;;
    esac
done < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' \
    'Origin: Debian' 2>/dev/null | sort -u)

started=$(date +%s)
rm -rf "$root"
mkdir -p "$dir"
# make to start, git for the source's date; the install script adds the rest.
mmdebstrap --quiet --variant=minbase --include=make,git,ca-certificates "$suite" "$root" \
    "deb $mirror $suite main" "deb $mirror $suite-updates main" \
    "deb $security $suite-security main"
installed() { dpkg-query --root="${1:-/}" -W -f='${db:Status-Abbrev}\n' | grep -c '^ii'; }
echo "root: $(installed "$root") packages, $(($(date +%s) - started)) s"

# The tracked files as they are in the working tree, uncommitted changes too.
mkdir -p "$root/src"
git ls-files -z | tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$root/src"
source_date=$(scripts/source-date.sh)

unshare --mount --pid --fork --mount-proc="$root/proc" bash -s "$root" "$source_date" "$@" <<'INSIDE'
set -euo pipefail
root=$1 source_date=$2
shift 2
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t sysfs sysfs "$root/sys"
mount -t tmpfs tmpfs "$root/tmp"
cp /etc/resolv.conf "$root/etc/resolv.conf"
exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 SOURCE_DATE_EPOCH="$source_date" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /src && started=$(date +%s) &&
        { scripts/install-deps.sh test >/tmp/install.log 2>&1 || { cat /tmp/install.log; exit 1; }; } &&
        echo "installed the test set: $(dpkg-query -W -f="\${db:Status-Abbrev}\n" | grep -c ^ii) packages, $(($(date +%s) - started)) s" &&
        make test-linux WERROR=ON "$@"' _ "$@"
INSIDE
echo "Debian 13 stage: $(($(date +%s) - started)) s"
