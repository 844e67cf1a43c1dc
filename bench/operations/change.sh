#!/usr/bin/env bash
# zentick-cli change of Server1 on a simulated fleet whose clocks answer after
# 50 to 300 ms, in private network namespaces: prints how long the plan takes
# (--dry-run: every configuration read) and the whole run (plan, waves of
# 10 %, each clock sent its time part and read back). Needs root; build
# with -DCMAKE_BUILD_TYPE=Release.
#   bench/operations/change.sh [BUILD_DIR] [CLOCKS] [PARALLEL]   (default build, 1000, the command's own)
# With CHANGE_WITH_MONITOR=1 it then runs the monitor over the same clocks
# while another zentick-cli changes them all, and prints the polls' gaps
# meanwhile (bench/operations/fleet.py, FLEET_CHANGE_RUN).
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
count="${2:-1000}"
parallel="${3:-}"
bin="$build/bin"
fleet=bench/operations/fleet.py
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"

# A neighbour entry per clock; the kernel's default table keeps 1024.
for i in 1 2 3; do
    now="$(sysctl -n net.ipv4.neigh.default.gc_thresh$i)"
    [ "$now" -ge 32768 ] || sysctl -qw net.ipv4.neigh.default.gc_thresh$i=32768
done

# Room for every clock above 192.168.0.10.
prefix=18
[ "$count" -gt 2000 ] || prefix=21
[ "$count" -gt 1000 ] || prefix=22
last="$(/usr/bin/python3 "$fleet" make "$tmp/f.json" "$count" 0 50 300)"
/usr/bin/python3 "$fleet" list "$tmp/f.json" 0
tests/netns/netns-run.sh --sim "$bin/zentick-clocksim" --clocks "$tmp/f.json" --prefix "$prefix" \
    --addresses "192.168.0.10-$last" -- bash -c '
    ms() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }
    start=$(date +%s%N)
    at=(); [ -z "$4" ] || at=(--parallel "$4")
    "$1/zentick-cli" change --all --set Server1=ntp.bench.example "${at[@]}" --dry-run >/dev/null
    echo "plan of $2 clocks, ${4:-the default number} at once (every configuration read): $(ms "$start") ms"
    start=$(date +%s%N)
    status=0
    "$1/zentick-cli" --json change --all --set Server1=ntp.bench.example "${at[@]}" --yes >"$3/result.json" || status=$?
    echo "plan, apply and read back of $2 clocks: $(ms "$start") ms (exit $status)"
    /usr/bin/python3 -c "import collections,json,sys; c=json.load(open(sys.argv[1]))[\"clocks\"]; \
print(\"clocks by state:\", dict(collections.Counter(x[\"state\"] for x in c))); \
print(\"errors:\", dict(collections.Counter(x.get(\"error\", \"\")[:60] for x in c if x.get(\"error\"))))" "$3/result.json"' \
    _ "$bin" "$count" "$tmp" "$parallel"

if [ "${CHANGE_WITH_MONITOR:-0}" = 1 ]; then
    rm -rf "$XDG_DATA_HOME"
    /usr/bin/python3 "$fleet" list "$tmp/f.json" 0
    FLEET_CHANGE_RUN=1 ZENTICK_CLOCKSIM_BINARY="$bin/zentick-clocksim" \
        tests/netns/netns-run.sh --sim "$bin/zentick-clocksim" --clocks "$tmp/f.json" --prefix "$prefix" \
        --addresses "192.168.0.10-$last" -- /usr/bin/python3 "$fleet" monitor "$bin/zentick-cli" 150
fi
