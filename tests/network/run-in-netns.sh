#!/bin/bash
# Runs each kernel-interface check in a private network namespace of its own,
# which has no route out. Exits 77 (skipped) where no namespace can be made.
set -u
checks=$1
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "network namespaces need root"
command -v ip >/dev/null || skip "ip is missing (install iproute2)"
unshare -n ip link add probe0 type veth peer name probe1 2>/dev/null || skip "unshare -n with veth pairs fails here"

# Fixed indexes, as the survey lists interfaces in index order. nodad: no wait
# for duplicate address detection. bare stays down, so gets no link-local address.
withHamachi='ip link set lo up
ip link add Hamachi index 10 type veth peer name lan0 index 11
ip addr add 2001:db8::1/64 dev Hamachi nodad
ip addr add 25.1.2.3/8 dev Hamachi
ip addr add 25.9.9.9/8 dev lan0
ip link set Hamachi up && ip link set lan0 up
ip link add v6only index 12 type veth peer name bare index 13
ip addr add 2001:db8::2/64 dev v6only nodad
ip link set v6only up'
withoutHamachi='ip link set lo up
ip link add lan0 index 10 type veth peer name hamachi index 11
ip addr add 25.9.9.9/8 dev lan0
ip addr add 25.4.4.4/8 dev hamachi'
# Loopback left with ::1 alone: nothing to list.
withoutAnyRecord='ip link set lo up
ip addr del 127.0.0.1/8 dev lo'

status=0
for check in withHamachi withoutHamachi withoutAnyRecord; do
    echo "== $check"
    unshare -n bash -ec "${!check}"'
ip -br addr
exec "$0" "$1"' "$checks" "$check" || status=1
done
exit $status
