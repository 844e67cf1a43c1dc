#!/usr/bin/env bash
# Installs the dependencies, builds a release of Zentick into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTICK_BUILD_TESTS=OFF -DZENTICK_BUILD_BENCH=OFF >/dev/null
cmake --build build --target zentick
cd build/bin
exec ./zentick "$@"
