#!/usr/bin/env bash
# Prints the lines of test code, the lines of product code and their ratio.
# Test code: .cpp, .h, .py and .sh files under tests/. Product code: the same
# kinds of files in every other folder but bench/, fuzz/ and scripts/. Test
# data (.rows, .json, .xml under tests/) counts as neither. Only files git
# tracks count, so build folders never do.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    git ls-files -z -- "$@" | grep -zE '\.(cpp|h|py|sh)$' | xargs -0 -r cat | wc -l
}

tests=$(count tests)
product=$(count . ':!tests' ':!bench' ':!fuzz' ':!scripts' ':!.*')
awk -v t="$tests" -v p="$product" \
    'BEGIN { printf "test lines:    %6d\nproduct lines: %6d\nratio:         %6.2f\n", t, p, t / p }'
