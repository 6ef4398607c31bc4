#!/usr/bin/env bash
# Boots the emulated machine made by scripts/guest-image.sh with the folder
# SHARE as its /job, where it runs job.sh as root and writes job.sh's output
# (shown here as it comes) and status. The machine has no network device, and
# boots with -snapshot, so that a run leaves the image as it was
# (VELKARO_GUEST_WRITE=1 keeps its writes: how the image gets its prefix).
# Usage: scripts/guest-run.sh IMAGE SHARE [SECONDS]   (default 900)
# Exit status: job.sh's; 124 when SECONDS ran out; 125 when the machine ended
# without a status (its console is then shown).
set -uo pipefail
[ $# -ge 2 ] || { echo "usage: $0 IMAGE SHARE [SECONDS]" >&2; exit 2; }
image=$(cd "$1" && pwd) share=$(cd "$2" && pwd) seconds=${3:-900}
[ -f "$share/job.sh" ] || { echo "no job.sh in $share" >&2; exit 2; }
rm -f "$share/status"
: >"$share/output"
console=$(mktemp)
trap 'rm -f "$console"' EXIT

# qemu64: with "max" QEMU 7.2's emulation oopses the kernel (IRET with SMAP) and
# faults on the masked lanes of VPMASKMOVD that Qt's AVX2 code uses. One CPU
# runs faster than two on a two-core host.
args=(-nodefaults -no-user-config -machine pc -accel tcg -cpu qemu64 -smp 1 -m 2048
    -display none -nic none -no-reboot -serial "file:$console"
    -kernel "$image/vmlinuz" -initrd "$image/initrd.img"
    -append "console=ttyS0 root=/dev/vda rw init=/sbin/velkaro-init panic=-1 quiet"
    -drive "file=$image/root.img,format=raw,if=virtio"
    -fsdev "local,id=job,path=$share,security_model=none"
    -device "virtio-9p-pci,fsdev=job,mount_tag=job")
[ "${VELKARO_GUEST_WRITE:-}" = 1 ] || args+=(-snapshot)

timeout -k 10 "$seconds" qemu-system-x86_64 "${args[@]}" &
qemu=$!
tail -n +1 -f --pid="$qemu" "$share/output"
wait "$qemu"
rc=$?
if [ -f "$share/status" ]; then
    exit "$(cat "$share/status")"
fi
[ "$rc" = 124 ] && { echo "the emulated machine ran out of its $seconds s" >&2; exit 124; }
echo "the emulated machine ended (qemu status $rc) without the job's status; its console:" >&2
tail -n 40 "$console" >&2
exit 125
