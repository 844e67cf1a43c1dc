#!/usr/bin/env bash
# Builds the Debian package: a release build of the three programs in
# build-package/, then cpack. Prints the package's path.
#
#   scripts/package.sh           build build-package/zentick_VERSION_amd64.deb
#   scripts/package.sh --check   and run packaging/check-package.sh on it
#   scripts/package.sh --help | --version
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
answer_help_and_version "$@"

scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD"
export CCACHE_NOHASHDIR=1

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DZENTICK_BUILD_TESTS=OFF -DZENTICK_BUILD_BENCH=OFF >/dev/null
cmake --build build-package
(cd build-package && cpack -G DEB >/dev/null)
ls "$PWD"/build-package/zentick_*.deb

if [ "${1:-}" = "--check" ]; then
    packaging/check-package.sh build-package
fi
