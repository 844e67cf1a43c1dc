#!/usr/bin/env bash
# Runs a test inside a network namespace of its own, holding interfaces in
# every state the interface list must tell apart. Needs root and ip netns;
# the namespace is always removed.
set -euo pipefail
ns="ztk-cards-$$"
ip netns add "$ns"
trap 'ip netns del "$ns"' EXIT
in_ns() { ip netns exec "$ns" "$@"; }

in_ns ip link set lo up
# Up and running, two IPv4 addresses and an IPv6 one; its peer end has no IPv4.
in_ns ip link add up0 type veth peer name up1
in_ns ip addr add 192.168.1.20/24 dev up0
in_ns ip addr add 10.9.8.7/16 dev up0
in_ns ip -6 addr add fd00::20/64 dev up0 nodad
in_ns ip link set up0 up
in_ns ip link set up1 up
# Disabled.
in_ns ip link add dn0 type veth peer name dn1
in_ns ip addr add 192.168.2.20/24 dev dn0
in_ns ip link set dn1 up
# Up, but its peer end is down: no carrier, not running.
in_ns ip link add nc0 type veth peer name nc1
in_ns ip addr add 192.168.3.20/24 dev nc0
in_ns ip link set nc0 up

ZENTICK_NETNS=cards in_ns "$@"
