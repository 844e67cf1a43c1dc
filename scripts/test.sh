#!/usr/bin/env bash
# Installs the dependencies, builds Zentick and its tests with AddressSanitizer
# and UndefinedBehaviorSanitizer into build-asan/, runs the whole test suite,
# then gives every fuzz target a short run. Arguments go to ctest, e.g.
# "scripts/test.sh -L unit"; with arguments the fuzz run is left out unless
# they name its label ("scripts/test.sh -L fuzz" runs only the fuzz targets).
# The run ends with one verdict line that sums up the tests and the fuzzing.
#
#   scripts/test.sh --help | --version   this text, or the version
#
# The tests labelled netns need root; run as another user, the script asks
# sudo for itself (without sudo those tests are reported as skipped). Under
# sudo the builds still run as the owner of the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
answer_help_and_version "$@"
become_root "$@"

scripts/install-deps.sh

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export CCACHE_BASEDIR="$PWD"
# Builds from another clone of the tree reuse the same cache entries.
export CCACHE_NOHASHDIR=1

as_tree_owner cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENTICK_SANITIZE=ON >/dev/null
as_tree_owner cmake --build build-asan
# "-L fuzz" (or "--label-regex fuzz") picks the fuzz run alone; other
# arguments narrow the tests and leave fuzzing out.
fuzz=1 tests=1
if [ $# -gt 0 ]; then
    fuzz=0
    case " $* " in *" -L fuzz "*|*" --label-regex fuzz "*) fuzz=1 tests=0 ;; esac
fi

passed=0 failed=0 skipped=0
if [ "$tests" = 1 ]; then
    log=$(mktemp)
    status=0
    ctest --test-dir build-asan --output-on-failure --timeout 600 "$@" 2>&1 | tee "$log" || status=$?
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
    failed=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
    skipped=$(grep -c '(Skipped)$' "$log" || true)
    total=${total:-0} failed=${failed:-0}
    [ "$status" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1
    passed=$((total - failed - skipped))
    rm -f "$log"
    as_tree_owner scripts/test-ratio.sh || true
    # What the tests wrote (their home folders, the log) belongs to the tree's owner too.
    if [ -n "$(calling_user)" ]; then
        chown -R --reference=. build-asan
    fi
fi

fuzz_text="fuzz not run"
if [ "$fuzz" = 1 ] && [ "$failed" -eq 0 ]; then
    log=$(mktemp)
    as_tree_owner scripts/fuzz.sh smoke 2>&1 | tee "$log" || true
    summary=$(grep '^fuzz: ' "$log" | tail -n 1)
    targets=$(sed -n 's/^fuzz: \([0-9]*\) targets.*/\1/p' <<<"$summary")
    fuzz_failed=$(sed -n 's/.*targets, \([0-9]*\) failed/\1/p' <<<"$summary")
    # A fuzz build that broke before any target ran counts as one failure.
    [ -n "$targets" ] || { targets=1 fuzz_failed=1; }
    passed=$((passed + targets - fuzz_failed))
    failed=$((failed + fuzz_failed))
    fuzz_text="$targets fuzz targets, $fuzz_failed failed"
    rm -f "$log"
elif [ "$fuzz" = 1 ]; then
    fuzz_text="fuzz not run: tests failed"
fi

echo
echo "tests and fuzzing ($fuzz_text):"
echo "verdict: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
