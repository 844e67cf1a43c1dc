#!/usr/bin/env bash
# Installs the dependencies, builds Zentick and its tests with AddressSanitizer
# and UndefinedBehaviorSanitizer into build-asan/, runs the whole test suite,
# then gives every fuzz target a short run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export CCACHE_BASEDIR="$PWD"
# Builds from another clone of the tree reuse the same cache entries.
export CCACHE_NOHASHDIR=1

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENTICK_SANITIZE=ON >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 600 "$@"

scripts/fuzz.sh smoke
