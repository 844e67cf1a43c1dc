#!/usr/bin/env bash
# "Change clocks..." of the window on a simulated fleet whose clocks answer
# after 50 to 300 ms, in private network namespaces: prints the preview's and
# the run's time and the longest event-loop stall of each. Needs root; build
# with -DCMAKE_BUILD_TYPE=Release. CHANGE_WINDOW_PASSWORDS=1 runs
# "Change passwords..." instead (one new password for every clock).
# CHANGE_WINDOW_SILENT=N and CHANGE_WINDOW_UNREACHABLE=N add clocks that never
# answer and listed addresses where no clock is.
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
silent="${CHANGE_WINDOW_SILENT:-0}"
unreachable="${CHANGE_WINDOW_UNREACHABLE:-0}"
last="$(/usr/bin/python3 -B "$fleet" make "$tmp/f.json" "$((count - silent - unreachable))" "$silent" 50 300)"
# The window's list: the simulated clocks and the unreachable addresses.
/usr/bin/python3 -B - "$tmp/f.json" "$tmp/list.json" "$unreachable" <<'PY'
import json, sys
sys.path.insert(0, "bench/operations")
import fleet
clocks = json.load(open(sys.argv[1]))["clocks"]
extra = [dict(clocks[0], ip=ip, name=f"Unreachable {ip}") for ip in fleet.unreachable_addresses(clocks, int(sys.argv[3]))]
for clock in extra:
    clock.pop("faults", None)
json.dump({"clocks": clocks + extra}, open(sys.argv[2], "w"))
PY
tests/netns/netns-run.sh --sim "$bin/zentick-clocksim" --clocks "$tmp/f.json" --prefix "$prefix" \
    --addresses "192.168.0.10-$last" -- \
    env QT_QPA_PLATFORM=offscreen "$bin/bench_change_window" "$tmp/list.json" ${parallel:-16} \
    ${CHANGE_WINDOW_PASSWORDS:+passwords}
