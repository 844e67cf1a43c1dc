#!/usr/bin/env bash
# Device search of 50 and of 245 simulated clocks (a full /24), in a pair of
# private network namespaces; prints the figures. Needs root.
#   bench/operations/discovery.sh [BUILD_DIR] [RUNS]   (default build-asan, 5)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build-asan}"
runs="${2:-5}"
bench="$build/bin/bench_discovery"
run="tests/netns/netns-run.sh --sim $build/bin/zentick-clocksim"

$run --generate 50 -- "$bench" 50 1000 "$runs"
$run --generate 245 --addresses 10-254 -- "$bench" 245 1500 "$runs"
