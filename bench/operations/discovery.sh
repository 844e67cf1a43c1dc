#!/usr/bin/env bash
# Device search of 50, of 245 simulated clocks (a full /24) and of 2000 on a
# /21, in a pair of private network namespaces; prints the figures. Needs root.
#   bench/operations/discovery.sh [BUILD_DIR] [RUNS]   (default build-asan, 5)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build-asan}"
runs="${2:-5}"
bench="$build/bin/bench_discovery"
run="tests/netns/netns-run.sh --sim $build/bin/zentick-clocksim"

$run --generate 50 -- "$bench" 50 1000 "$runs"
$run --generate 245 --addresses 10-254 -- "$bench" 245 1500 "$runs"
# The pc holds a neighbour entry per clock it asks "/D"; past the kernel's
# default table of 1024 connections wait for entries. Raised only, never lowered.
for i in 1 2 3; do
    now="$(sysctl -n net.ipv4.neigh.default.gc_thresh$i)"
    [ "$now" -ge 32768 ] || sysctl -qw net.ipv4.neigh.default.gc_thresh$i=32768
done
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
last="$(/usr/bin/python3 bench/operations/fleet.py make "$tmp/f2000.json" 2000 0)"
$run --clocks "$tmp/f2000.json" --prefix 21 --addresses "192.168.0.10-$last" -- "$bench" 2000 10000 "$runs"
