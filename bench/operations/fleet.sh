#!/usr/bin/env bash
# Fleets with faults, as large sites have them, in private network namespaces;
# prints the figures. Needs root. Build with -DCMAKE_BUILD_TYPE=Release for
# figures worth quoting.
#   bench/operations/fleet.sh [BUILD_DIR] [SECONDS]   (default build, 180)
#
#   discovery of 245 clocks of which 25 are silent
#   audit of 300 clocks of which 30 are silent
#   a download while the poller works through 40 clocks, 32 of them silent
#   zentick-cli monitor over 200 clocks, 20 of them silent
#   zentick-cli monitor over 1000 clocks: 850 answering, 100 silent and 50
#   that nobody answers for (gaps between polls, CPU, memory, and the time
#   from a clock falling silent to its alert being due)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
seconds="${2:-180}"
bin="$build/bin"
fleet=bench/operations/fleet.py
run="tests/netns/netns-run.sh --sim $bin/zentick-clocksim"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

/usr/bin/python3 "$fleet" make "$tmp/d245.json" 220 25 >/dev/null
$run --clocks "$tmp/d245.json" --addresses 10-254 -- "$bin/bench_discovery" 245 10000 3

export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
last="$(/usr/bin/python3 "$fleet" make "$tmp/a300.json" 270 30)"
/usr/bin/python3 "$fleet" list "$tmp/a300.json" 0
$run --clocks "$tmp/a300.json" --prefix 22 --addresses "192.168.0.10-$last" -- bash -c '
    start=$(date +%s%N)
    "$1/zentick-cli" audit >/dev/null || true
    echo "audit of 300 clocks, 30 of them silent: $(( ($(date +%s%N) - start) / 1000000 )) ms"' _ "$bin"

/usr/bin/python3 "$fleet" make "$tmp/p40.json" 8 32 >/dev/null
$run --clocks "$tmp/p40.json" -- "$bin/bench_operations" download-under-polls 40 4

last="$(/usr/bin/python3 "$fleet" make "$tmp/m200.json" 180 20)"
/usr/bin/python3 "$fleet" list "$tmp/m200.json" 0
ZENTICK_CLOCKSIM_BINARY="$bin/zentick-clocksim" \
    $run --clocks "$tmp/m200.json" --addresses "10-$(( ${last##*.} ))" -- \
    /usr/bin/python3 "$fleet" monitor "$bin/zentick-cli" "$seconds"

last="$(/usr/bin/python3 "$fleet" make "$tmp/m1000.json" 850 100)"
/usr/bin/python3 "$fleet" list "$tmp/m1000.json" 50
ZENTICK_CLOCKSIM_BINARY="$bin/zentick-clocksim" \
    $run --clocks "$tmp/m1000.json" --prefix 22 --addresses "192.168.0.10-$last" -- \
    /usr/bin/python3 "$fleet" monitor "$bin/zentick-cli" "$seconds"
