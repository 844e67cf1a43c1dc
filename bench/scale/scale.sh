#!/usr/bin/env bash
# Every path at 10 000 clocks, one table: each benchmark of bench/ that
# measures a path at that size runs in turn (the simulated fleets in private
# network namespaces), its own lines go to a log, and the figures are
# gathered into one table of path, figure and goal, with the machine's load
# before and after. Needs root and a Release build.
#   bench/scale/scale.sh [BUILD_DIR] [LOG]        (default build, a temporary log)
# SCALE_SKIP="poll import" leaves out those steps (names as in the table's
# first column: discovery, offline, import, board, poll).
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
bin="$build/bin"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
log="${2:-$tmp/scale.log}"
: > "$log"
fleet=bench/operations/fleet.py
run="tests/netns/netns-run.sh --sim $bin/zentick-clocksim"
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" QT_QPA_PLATFORM=offscreen
skip=" ${SCALE_SKIP:-} "
wanted() { [[ "$skip" != *" $1 "* ]]; }
step() { echo "== $1" | tee -a "$log"; }
ms() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }

load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
for i in 1 2 3; do
    now="$(sysctl -n net.ipv4.neigh.default.gc_thresh$i)"
    [ "$now" -ge 32768 ] || sysctl -qw net.ipv4.neigh.default.gc_thresh$i=32768
done

if wanted offline; then
    step "state file"
    "$bin/bench_statefile" 10000 "$tmp/settings.xml" | tee -a "$log"
    step "start-up"
    "$bin/bench_startup" 10000 | tee -a "$log"
    step "device list and group page"
    "$bin/bench_devicelist" 10000 | tee -a "$log"
    step "board API"
    "$bin/bench_listener" 1 10000 5 | tee -a "$log"
    step "value report"
    "$bin/bench_report" 10000 50 | tee -a "$log"
    step "incident mail"
    "$bin/bench_incident_mail" 3000 | tee -a "$log"
    step "cli on the list"
    data="$XDG_DATA_HOME/QLX Devices/Zentick"
    mkdir -p "$data"
    cp "$tmp/settings.xml" "$data/settings.xml"
    start=$(date +%s%N); "$bin/zentick-cli" list > /dev/null; echo "cli list: $(ms "$start") ms" | tee -a "$log"
    start=$(date +%s%N); "$bin/zentick-cli" --json list > /dev/null; echo "cli json list: $(ms "$start") ms" | tee -a "$log"
    start=$(date +%s%N); "$bin/zentick-cli" list --csv -o "$tmp/plan.csv"; echo "cli export: $(ms "$start") ms" | tee -a "$log"
    rm -rf "$data"
fi

if wanted discovery; then
    step "discovery"
    last="$(/usr/bin/python3 "$fleet" make "$tmp/f2000.json" 2000 0)"
    $run --clocks "$tmp/f2000.json" --prefix 21 --addresses "192.168.0.10-$last" -- \
        "$bin/bench_discovery" 2000 10000 5 | tee -a "$log"
fi

if wanted import; then
    step "import"
    last="$(/usr/bin/python3 "$fleet" make "$tmp/f10000.json" 10000 0)"
    /usr/bin/python3 - "$tmp/f10000.json" "$tmp/plan10000.csv" <<'PLAN'
import json, sys
clocks = json.load(open(sys.argv[1]))["clocks"]
with open(sys.argv[2], "w") as plan:
    plan.write("ip,name,group,user,password\n")
    for i, clock in enumerate(clocks):
        plan.write(f'{clock["ip"]},Office {i + 1},Floor {i // 500 + 1},admin,\n')
PLAN
    rm -rf "$XDG_DATA_HOME"
    $run --clocks "$tmp/f10000.json" --prefix 18 --addresses "192.168.0.10-$last" -- bash -c '
        start=$(date +%s%N)
        "$1/zentick-cli" import "$2" --user admin --password admin --rename | tail -n 1
        echo "cli import of 10000 rows: $(( ($(date +%s%N) - start) / 1000000 )) ms"' _ "$bin" "$tmp/plan10000.csv" \
        | tee -a "$log"
    rm -rf "$XDG_DATA_HOME"
fi

if wanted board; then
    # The simulator's clocks change temperature and brightness on nearly
    # every poll, so the boards never see a steady fleet here.
    step "boards on a churning fleet"
    last="$(/usr/bin/python3 "$fleet" make "$tmp/f10000.json" 10000 0)"
    rm -rf "$XDG_DATA_HOME"
    /usr/bin/python3 "$fleet" list "$tmp/f10000.json" 0
    HOME="$tmp" $run --clocks "$tmp/f10000.json" --prefix 18 --addresses "192.168.0.10-$last" -- \
        node bench/board/board_bench.js "$bin/zentick-cli" 30 | tee -a "$log"
    rm -rf "$XDG_DATA_HOME"
fi

if wanted poll; then
    step "poll"
    bench/operations/scale.sh "$build" 180 10000 | tee -a "$log"
fi
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

/usr/bin/python3 bench/scale/table.py "$log" "$load_before" "$load_after"
