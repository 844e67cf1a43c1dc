#!/usr/bin/env bash
# A power cut on a site of 1000 simulated clocks: 300 lose power (their
# addresses vanish, so every poll waits for its connect time-out) and come back
# after five minutes. Counts the alert mails of the ten minutes after the cut
# and when they came. Needs root; takes about eleven minutes.
#   bench/operations/powercut.sh [BUILD_DIR] [PARALLEL]   (default build, 16)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
parallel="${2:-16}"
bin="$build/bin"
fleet=bench/operations/fleet.py
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
last="$(/usr/bin/python3 "$fleet" make "$tmp/p1000.json" 1000 0)"
/usr/bin/python3 "$fleet" list "$tmp/p1000.json" 0
tests/netns/netns-run.sh --sim "$bin/zentick-clocksim" --clocks "$tmp/p1000.json" --prefix 22 \
    --addresses "192.168.0.10-$last" -- /usr/bin/python3 "$fleet" powercut "$bin/zentick-cli" 300 300 "$parallel"
