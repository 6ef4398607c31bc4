#!/usr/bin/env bash
# Makes, once per machine, the emulated machine that runs the 32-bit Velkaro.exe
# (this host's kernel runs no 32-bit x86 code): a Debian 12 root with 32- and
# 64-bit Wine, Xvfb and xdotool, a kernel of its own, and a fresh Wine prefix
# made inside the machine. Kept under /var/tmp/velkaro-guest/HASH
# (VELKARO_GUEST_CACHE moves the parent), HASH naming this script, so an edited
# script makes a new image and a second run starts at once. Prints the folder.
# Usage: scripts/guest-image.sh   (root; about 7 minutes and 440 MB of packages
# the first time)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${VELKARO_GUEST_CACHE:-/var/tmp/velkaro-guest}
hash=$(sha256sum <"$here/guest-image.sh" | cut -c1-16)
image=$cache/$hash
[ -f "$image/root.img" ] && { echo "$image"; exit 0; }
[ "$(id -u)" = 0 ] || { echo "making the guest image needs root" >&2; exit 1; }

# The machine's own mirror, as its apt uses it.
mirror=$("$here/debian-sources.sh" | awk '$2 == "bookworm" { print $1; exit }')
[ -n "$mirror" ] || { echo "guest image: no bookworm suite in this machine's apt sources" >&2; exit 1; }
mkdir -p "$cache"
exec 9>"$cache/.lock"
flock 9 # one build at a time; another may have finished it meanwhile
[ -f "$image/root.img" ] && { echo "$image"; exit 0; }
# What an interrupted build left. --one-file-system: never into a mount left behind.
for old in "$cache"/.build-*; do
    [ -d "$old" ] || continue
    umount -l "$old/root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$old"
done
tmp=$(mktemp -d "$cache/.build-$hash.XXXXXX")
root=$tmp/root
cleanup() {
    umount -l "$root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$tmp"
}
trap cleanup EXIT
started=$SECONDS
step() { echo "guest image: $* ($((SECONDS - started)) s)" >&2; }
quiet() { # runs a command, shows its output only when it fails
    "$@" >"$tmp/step.log" 2>&1 || { tail -n 30 "$tmp/step.log" >&2; return 1; }
}

step "debootstrap bookworm"
quiet debootstrap --variant=minbase --include=ca-certificates bookworm "$root" "$mirror"

# No documentation or translations, no recommends, no services started in the chroot.
cat >"$root/etc/dpkg/dpkg.cfg.d/01-velkaro" <<'EOF'
path-exclude=/usr/share/doc/*
path-include=/usr/share/doc/*/copyright
path-exclude=/usr/share/man/*
path-exclude=/usr/share/info/*
path-exclude=/usr/share/locale/*
EOF
printf 'APT::Install-Recommends "false";\nAPT::Install-Suggests "false";\n' >"$root/etc/apt/apt.conf.d/01-velkaro"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
echo "deb $mirror bookworm main" >"$root/etc/apt/sources.list"
# The initramfs only has to find the virtio disk; the rest loads from the root.
mkdir -p "$root/etc/initramfs-tools/conf.d"
printf 'MODULES=list\nCOMPRESS=gzip\n' >"$root/etc/initramfs-tools/conf.d/velkaro"
printf '%s\n' virtio_pci virtio_blk ext4 >"$root/etc/initramfs-tools/modules"
cp /etc/resolv.conf "$root/etc/resolv.conf"
echo velkaro-guest >"$root/etc/hostname"

step "packages"
mount -t proc proc "$root/proc"
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }
# i386 packages unpack on a host that runs no i386 code: their scripts are shell.
in_root dpkg --add-architecture i386
quiet in_root apt-get update
# confold: the initramfs settings written above stay.
quiet in_root apt-get install -y -o Dpkg::Options::=--force-confold linux-image-amd64 wine wine32:i386 wine64 xvfb xauth xdotool \
    iproute2 kmod procps fonts-wine fonts-dejavu-core locales
in_root apt-get clean
# Modules the machine never loads: it has a virtio disk and share, and veth pairs.
kernel=$(ls "$root/usr/lib/modules")
modules=$root/usr/lib/modules/$kernel/kernel
rm -rf "$modules/sound"
find "$modules/drivers" -mindepth 1 -maxdepth 1 -not -name virtio -not -name block -not -name char \
    -not -name net -exec rm -rf {} +
find "$modules/drivers/net" -mindepth 1 -maxdepth 1 -type d -exec rm -rf {} +
in_root depmod "$kernel"
umount "$root/proc"
rm -rf "$root"/var/lib/apt/lists/* "$root/etc/resolv.conf"
cp "$root"/boot/vmlinuz-* "$tmp/vmlinuz"
cp "$root"/boot/initrd.img-* "$tmp/initrd.img"
rm -f "$root"/boot/initrd.img-*

# PID 1: runs job.sh from the host's share, leaves its output and status there,
# powers off. Protocol with scripts/guest-run.sh: share tag "job", files job.sh,
# output, status.
cat >"$root/sbin/velkaro-init" <<'EOF'
#!/bin/sh
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
mountpoint -q /proc || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sysfs /sys
mountpoint -q /dev || mount -t devtmpfs devtmpfs /dev
mkdir -p /dev/pts /dev/shm /job
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp
mount -t tmpfs tmpfs /run
hostname velkaro-guest
ip link set lo up
modprobe 9pnet_virtio
if mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144 job /job; then
    (cd /job && bash ./job.sh >output 2>&1; echo $? >status)
    sync
    umount /job
else
    echo "velkaro-init: no share" >/dev/console
fi
sync
mount -o remount,ro /
echo o >/proc/sysrq-trigger
sleep 60
EOF
chmod +x "$root/sbin/velkaro-init"

step "root file system"
size=$(($(du -sm "$root" | cut -f1) + 1536)) # room for the prefix and a run's files
quiet mkfs.ext4 -F -q -L velkaro -d "$root" "$tmp/root.img" "${size}M"
rm -rf --one-file-system "$root"

# The prefix has to be made by 64-bit Wine inside the machine, once; runs boot
# with -snapshot and leave it as made here.
step "Wine prefix, inside the machine"
mkdir "$tmp/share"
cat >"$tmp/share/job.sh" <<'EOF'
set -e
export WINEPREFIX=/opt/velkaro/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
mkdir -p /opt/velkaro
xvfb-run -a wine wineboot -i
wineserver -w
test -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll"
du -sh "$WINEPREFIX"
EOF
VELKARO_GUEST_WRITE=1 "$here/guest-run.sh" "$tmp" "$tmp/share" 900 >&2
rm -rf "$tmp/share" "$tmp/step.log"

mv -T "$tmp" "$image"
trap - EXIT
# Images of earlier versions of this script are a few GB each.
for old in "$cache"/*; do
    [ "$old" = "$image" ] || rm -rf --one-file-system "$old"
done
step "ready in $image"
echo "$image"
