#!/usr/bin/env bash
# "Change clocks..." of the window on a simulated fleet whose clocks answer
# after 50 to 300 ms, in private network namespaces: prints the preview's and
# the run's time and the longest event-loop stall of each. Needs root; build
# with -DCMAKE_BUILD_TYPE=Release. CHANGE_WINDOW_PASSWORDS=1 runs
# "Change passwords..." instead (one new password for every clock).
#   bench/ui/change_window.sh [BUILD_DIR] [CLOCKS] [PARALLEL]   (default build, 1000, the window's 16)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
count="${2:-1000}"
parallel="${3:-}"
bin="$build/bin"
fleet=bench/operations/fleet.py
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# A neighbour entry per clock; the kernel's default table keeps 1024.
for i in 1 2 3; do
    now="$(sysctl -n net.ipv4.neigh.default.gc_thresh$i)"
    [ "$now" -ge 32768 ] || sysctl -qw net.ipv4.neigh.default.gc_thresh$i=32768
done

prefix=18
[ "$count" -gt 2000 ] || prefix=21
[ "$count" -gt 1000 ] || prefix=22
last="$(/usr/bin/python3 "$fleet" make "$tmp/f.json" "$count" 0 50 300)"
tests/netns/netns-run.sh --sim "$bin/zentick-clocksim" --clocks "$tmp/f.json" --prefix "$prefix" \
    --addresses "192.168.0.10-$last" -- \
    env QT_QPA_PLATFORM=offscreen "$bin/bench_change_window" "$tmp/f.json" ${parallel:-16} \
    ${CHANGE_WINDOW_PASSWORDS:+passwords}
