#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/.
#   scripts/fuzz.sh smoke          every target for a short, fixed number of runs
#   scripts/fuzz.sh TARGET [ARGS]  one target for as long as libFuzzer is told
#   scripts/fuzz.sh --help | --version
# The smoke run ends with "fuzz: N targets, F failed" and fails when one did.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
answer_help_and_version "$@"

mode="${1:-smoke}"
export CCACHE_BASEDIR="$PWD"
# Builds from another clone of the tree reuse the same cache entries.
export CCACHE_NOHASHDIR=1
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTICK_FUZZ=ON >/dev/null

targets=$(cmake --build build-fuzz --target help | sed -n 's/^\(fuzz_[a-z0-9_]*\):.*/\1/p' | { grep -v '_autogen' || true; } | sort -u)
if [ -z "$targets" ]; then
    echo "no fuzz targets"
    exit 0
fi
cmake --build build-fuzz --target $targets

export ASAN_OPTIONS="detect_leaks=0"
if [ "$mode" = smoke ]; then
    count=0
    failed=0
    for t in $targets; do
        corpus="fuzz/corpus/${t#fuzz_}"
        # New inputs go to a scratch folder, never into the committed seeds.
        args=("$(mktemp -d)")
        [ -d "$corpus" ] && args+=("$corpus")
        echo "== $t"
        count=$((count + 1))
        log=$(mktemp)
        if ! QT_QPA_PLATFORM=offscreen "build-fuzz/bin/$t" -runs=20000 -seed=1 "${args[@]}" >"$log" 2>&1; then
            failed=$((failed + 1))
            echo "FAILED: $t"
            tail -n 40 "$log"
        else
            tail -n 2 "$log"
        fi
        rm -f "$log"
    done
    echo "fuzz: $count targets, $failed failed"
    [ "$failed" -eq 0 ]
else
    shift
    QT_QPA_PLATFORM=offscreen "build-fuzz/bin/$mode" "$@"
fi
