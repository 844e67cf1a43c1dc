#!/usr/bin/env bash
# The monitor's HTTP listener and status board over 1000 simulated clocks, in
# private network namespaces; prints the figures. Needs root, chromium and
# tests/board/node_modules (scripts/install-deps.sh). Build with
# -DCMAKE_BUILD_TYPE=Release for figures worth quoting.
#   bench/board/board.sh [BUILD_DIR] [FLOOD_SECONDS]   (default build, 60)
#
#   2000 connections held open against the metrics listener: failed polls,
#   scrape time and the monitor's file descriptors meanwhile
#   the board at 1000 clocks: first rows, updates applied, the monitor's CPU
#   with 10 boards open against none, and the weight of page and data
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
seconds="${2:-60}"
bin="$build/bin"
fleet=bench/operations/fleet.py
run="tests/netns/netns-run.sh --sim $bin/zentick-clocksim"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" HOME="$tmp"

last="$(/usr/bin/python3 "$fleet" make "$tmp/m1000.json" 1000 0)"
/usr/bin/python3 "$fleet" list "$tmp/m1000.json" 0
$run --clocks "$tmp/m1000.json" --prefix 22 --addresses "192.168.0.10-$last" -- \
    /usr/bin/python3 bench/board/flood.py "$bin/zentick-cli" 2000 "$seconds"
# An earlier report's case: 600 connections against a file limit of 256.
$run --clocks "$tmp/m1000.json" --prefix 22 --addresses "192.168.0.10-$last" -- \
    /usr/bin/python3 bench/board/flood.py "$bin/zentick-cli" 600 20 256
$run --clocks "$tmp/m1000.json" --prefix 22 --addresses "192.168.0.10-$last" -- \
    node bench/board/board_bench.js "$bin/zentick-cli"
