#!/usr/bin/env bash
# Runs a command in this checkout on Debian 13: inside a Debian 13 root, so that a Debian 12
# machine builds and tests Dicemere for the Debian its users run today as well, or, on Debian 13
# itself, as it is:
#
#   scripts/debian13.sh COMMAND [ARGS...]    e.g. scripts/debian13.sh scripts/test.sh --here
#
# The root is made with debootstrap from the mirror this machine's apt sources name, kept in
# $DICEMERE_DEBIAN13 (by default ~/.cache/dicemere/debian-13) and brought up to date when its
# package lists are older than a week. The checkout is the same folder inside, at /src, so what
# runs there sees the working tree as it is; only its build/ is the root's own, so the builds of
# the two releases never mix (each checkout has its own there). Everything mounted goes with the
# command: it runs in a mount namespace of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

root=${DICEMERE_DEBIAN13:-$HOME/.cache/dicemere/debian-13}

# The script runs three times, as itself at each step: here on the host, then in a mount
# namespace of its own to lay out the root's mounts, then inside the root to run the command.
case "${1:-}" in
--mounted)
    root=$2 builds=$3
    shift 3
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    for dir in dev/shm tmp run; do mount -t tmpfs tmpfs "$root/$dir"; done
    mount --bind "$PWD" "$root/src"
    mount --bind "$root/var/cache/dicemere-build/$builds" "$root/src/build"
    exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 CI="${CI:-}" /src/scripts/debian13.sh --inside "$@"
    ;;
--inside)
    shift
    if [ "$1" = update ]; then
        apt-get update -q
        DEBIAN_FRONTEND=noninteractive apt-get upgrade -y -q
    fi
    shift
    exec "$@"
    ;;
"" | -*)
    echo "usage: $0 COMMAND [ARGS...]" >&2
    exit 2
    ;;
esac

make_root() {
    local mirror security
    mirror=$(apt_mirror bookworm)
    security=$(apt_mirror bookworm-security)
    [ -n "$mirror" ] || { echo "no Debian mirror in this machine's apt sources" >&2; exit 1; }
    need debootstrap
    echo "== Debian 13 root: debootstrap into $root"
    rm -rf "$root.partial"
    as_root debootstrap --variant=minbase trixie "$root.partial" "$mirror" >/dev/null
    {
        echo "deb $mirror trixie main"
        echo "deb $mirror trixie-updates main"
        [ -z "$security" ] || echo "deb $security trixie-security main"
    } | as_root tee "$root.partial/etc/apt/sources.list" >/dev/null
    rm -rf "$root"
    mv "$root.partial" "$root"
}

# On Debian 13 itself the command runs as it is.
if [ "$(. /etc/os-release && echo "$VERSION_ID")" = 13 ]; then
    exec "$@"
fi
[ -x "$root/usr/bin/apt-get" ] || make_root
# Each checkout has build folders of its own in the root; those of checkouts that are gone, or
# unused for two days, go.
checkouts=$root/var/cache/dicemere-build
for folder in "$checkouts"/????????????????/; do
    [ -f "$folder/.checkout" ] && [ -d "$(cat "$folder/.checkout")" ] \
        && [ -z "$(find "$folder/.checkout" -mtime +2)" ] || as_root rm -rf "$folder"
done
builds=$(realpath . | sha256sum | cut -c1-16)
mkdir -p "$root/src" "$checkouts/$builds" build
realpath . >"$checkouts/$builds/.checkout"
as_root cp -L /etc/resolv.conf "$root/etc/resolv.conf"
update=keep
[ -n "$(find "$root/var/lib/apt/lists" -maxdepth 1 -name '*_InRelease' -mtime -7)" ] || update=update
# The mounts stay in the namespace; where / is no mount point of its own (inside a chroot) its
# propagation cannot be changed, and what is mounted there stays below the root all the same.
propagation=private
as_root unshare --mount --propagation private -- true 2>/dev/null || propagation=unchanged
exec "${sudo[@]}" unshare --mount --propagation "$propagation" -- "$0" --mounted "$root" "$builds" \
    "$update" "$@"
