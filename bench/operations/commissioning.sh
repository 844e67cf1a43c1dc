#!/usr/bin/env bash
# Commissioning clocks behind routers, in private network namespaces; prints
# the figures. Needs root. Build with -DCMAKE_BUILD_TYPE=Release for figures
# worth quoting.
#   bench/operations/commissioning.sh [BUILD_DIR]   (default build)
#
#   a /24 holding 50 clocks (.10 to .59) and 204 empty addresses: nothing
#   holds them on the clocks' side, so each costs a probe its connect wait
#   (.2 is the pc's own and refuses at once)
#   a plan of 1000 clocks on a /22, imported with zentick-cli, run in
#   process (where the event loop's longest stall is measured) and added
#   through the window's add-clock dialog (the window's longest stall)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
bin="$build/bin"
fleet=bench/operations/fleet.py
run="tests/netns/netns-run.sh --sim $bin/zentick-clocksim"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
$run --generate 50 --first-ip 192.168.0.10 --addresses 10-59 -- bash -c '
    start=$(date +%s%N)
    "$1/zentick-cli" add-range 192.168.0.0/24 --user admin --password admin | tail -n 1
    echo "zentick-cli add-range of a /24, 50 clocks and 204 empty addresses: $(( ($(date +%s%N) - start) / 1000000 )) ms (goal <= 10000)"
    "$1/bench_commissioning" range 192.168.0.0/24 10000' _ "$bin"

last="$(/usr/bin/python3 "$fleet" make "$tmp/p1000.json" 1000 0)"
/usr/bin/python3 - "$tmp/p1000.json" "$tmp/plan.csv" <<'PLAN'
import json, sys
clocks = json.load(open(sys.argv[1]))["clocks"]
with open(sys.argv[2], "w") as plan:
    plan.write("ip,name,group,user,password\n")
    for i, clock in enumerate(clocks):
        plan.write(f'{clock["ip"]},Office {i + 1},Floor {i // 50 + 1},admin,\n')
PLAN
rm -rf "$XDG_DATA_HOME"
$run --clocks "$tmp/p1000.json" --prefix 22 --addresses "192.168.0.10-$last" -- bash -c '
    start=$(date +%s%N)
    "$1/zentick-cli" import "$2" --user admin --password admin --rename | tail -n 1
    echo "zentick-cli import of a plan of 1000 clocks, renaming: $(( ($(date +%s%N) - start) / 1000000 )) ms (goal <= 30000)"
    start=$(date +%s%N)
    "$1/zentick-cli" import "$2" --user admin --password admin | tail -n 1
    echo "the same plan again, all listed: $(( ($(date +%s%N) - start) / 1000000 )) ms"
    rm -rf "$XDG_DATA_HOME"
    "$1/bench_commissioning" plan "$2" 30000
    QT_QPA_PLATFORM=offscreen "$1/bench_commissioning_window" "$2"' _ "$bin" "$tmp/plan.csv"
