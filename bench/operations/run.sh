#!/usr/bin/env bash
# Runs every clock-operations benchmark against zentick-clocksim in a pair of
# private network namespaces and prints the figures. Needs root.
#   bench/operations/run.sh [BUILD_DIR]   (default build-asan)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build-asan}"
bench="$build/bin/bench_operations"
audit="$build/bin/bench_audit"
run="tests/netns/netns-run.sh --sim $build/bin/zentick-clocksim"

# scenario, clocks the simulator serves, arguments of the benchmark
$run --generate 1 -- "$bench" poll-one
$run --generate 50 -- "$bench" poll-round 50
# A /24 holds at most 245 simulated clocks; the 300 listed clocks share them.
$run --generate 245 --addresses 10-254 -- "$bench" poll-round 300
$run --generate 50 -- "$bench" discovery 50
$run --generate 20 -- "$bench" upload 20
$run --generate 1 -- "$bench" download
# The same 300 listed clocks on 245 addresses, audited.
$run --generate 245 --addresses 10-254 -- "$audit" 300
