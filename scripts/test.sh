#!/usr/bin/env bash
# Installs the dependencies, builds Zentick and its tests with AddressSanitizer
# and UndefinedBehaviorSanitizer into build-asan/, runs the whole test suite,
# then gives every fuzz target a short run. Arguments go to ctest, e.g.
# "scripts/test.sh -L unit".
#
# The tests labelled netns need root; run as another user, the script asks
# sudo for itself (without sudo those tests are reported as skipped). Under
# sudo the builds still run as the owner of the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
become_root "$@"

scripts/install-deps.sh

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export CCACHE_BASEDIR="$PWD"
# Builds from another clone of the tree reuse the same cache entries.
export CCACHE_NOHASHDIR=1

as_tree_owner cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENTICK_SANITIZE=ON >/dev/null
as_tree_owner cmake --build build-asan
status=0
ctest --test-dir build-asan --output-on-failure --timeout 600 "$@" || status=$?
as_tree_owner scripts/test-ratio.sh || true
# What the tests wrote (their home folders, the log) belongs to the tree's owner too.
if [ -n "$(calling_user)" ]; then
    chown -R --reference=. build-asan
fi
[ "$status" -eq 0 ] || exit "$status"

as_tree_owner scripts/fuzz.sh smoke
