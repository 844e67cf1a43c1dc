#!/usr/bin/env bash
# The monitor at the fleet sizes the poll lanes are sized for, in private
# network namespaces; prints the figures of bench/operations/fleet.py monitor
# for each row. Needs root. Build with -DCMAKE_BUILD_TYPE=Release.
#   bench/operations/scale.sh [BUILD_DIR] [SECONDS] [ROW...]
# Rows (answering / silent / unreachable, answering clocks' delay):
#   1000      850 / 100 / 50, at once
#   1000-200  850 / 100 / 50, after 200 ms
#   1000-300  850 / 100 / 50, after 300 ms
#   2000      1700 / 200 / 100, at once
#   10000     9000 / 700 / 300, after 50 to 300 ms
# Default: every row, 180 s each after two minutes to reach the steady state.
# FLEET_BOARD_LOAD=1 adds the board's heaviest clients (bench/operations/fleet.py).
# FLEET_HISTORY_LOAD=1 starts the monitor with a year of history of its clocks
# (bench_availability --seed, about 10 million events at 10 000 clocks) and
# runs reports and history queries while the polls are counted.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
seconds="${2:-180}"
shift $(( $# < 2 ? $# : 2 ))
rows=("$@")
[ ${#rows[@]} -gt 0 ] || rows=(1000 1000-200 1000-300 2000 10000)
bin="$build/bin"
fleet=bench/operations/fleet.py
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"

# The pc holds a neighbour entry per clock; the kernel's default table keeps
# 1024. Raised only, never lowered.
for i in 1 2 3; do
    now="$(sysctl -n net.ipv4.neigh.default.gc_thresh$i)"
    [ "$now" -ge 32768 ] || sysctl -qw net.ipv4.neigh.default.gc_thresh$i=32768
done

for row in "${rows[@]}"; do
    case "$row" in
        1000) make=(850 100); unreachable=50; prefix=22 ;;
        1000-200) make=(850 100 200 200); unreachable=50; prefix=22 ;;
        1000-300) make=(850 100 300 300); unreachable=50; prefix=22 ;;
        2000) make=(1700 200); unreachable=100; prefix=21 ;;
        10000) make=(9000 700 50 300); unreachable=300; prefix=18 ;;
        *) echo "scale.sh: unknown row $row" >&2; exit 2 ;;
    esac
    echo "== $row clocks (${make[*]}, $unreachable unreachable), $seconds s"
    last="$(/usr/bin/python3 "$fleet" make "$tmp/f.json" "${make[@]}")"
    rm -rf "$XDG_DATA_HOME"
    /usr/bin/python3 "$fleet" list "$tmp/f.json" "$unreachable"
    if [ "${FLEET_HISTORY_LOAD:-0}" = 1 ]; then
        "$bin/bench_availability" --seed "$XDG_DATA_HOME/QLX Devices/Zentick" "${row%%-*}" 365
    fi
    ZENTICK_CLOCKSIM_BINARY="$bin/zentick-clocksim" \
        tests/netns/netns-run.sh --sim "$bin/zentick-clocksim" --clocks "$tmp/f.json" --prefix "$prefix" \
        --addresses "192.168.0.10-$last" ${SCALE_KEEP_LOG:+--keep-log "$SCALE_KEEP_LOG/$row"} -- \
        /usr/bin/python3 "$fleet" monitor "$bin/zentick-cli" "$seconds"
done
