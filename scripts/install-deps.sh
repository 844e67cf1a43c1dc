#!/usr/bin/env bash
# Installs everything Zentick needs to build, run and test on Debian 12.
# Idempotent and quick when everything is already there. Run as root, or as a
# user who may use sudo: it calls sudo for apt-get only when it is not root.
set -euo pipefail

packages=(
    cmake ninja-build g++ ccache pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev
    libxlsxwriter-dev libsqlite3-dev liborcus-dev libixion-dev libboost-dev zlib1g-dev
    clang libclang-rt-14-dev
    python3 python3-aiosmtpd python3-openpyxl
    iproute2 openssl xvfb xauth jq tzdata
    # The Debian package and its checks; the metrics test's text parser.
    dpkg-dev file desktop-file-utils appstream systemd lintian python3-prometheus-client
    # The shipped Prometheus rules' tests (promtool) and the end-to-end test of the stack.
    prometheus prometheus-alertmanager python3-yaml
    # The status board's browser test: Debian's chromium, driven from node.
    chromium nodejs
)
# npm comes with some builds of nodejs; Debian's own is a package of its own.
command -v npm >/dev/null || packages+=(npm)

# playwright-core for the board's browser test, into tests/board/node_modules;
# it drives Debian's chromium and never downloads a browser.
board_test_modules() {
    local dir
    dir="$(cd "$(dirname "$0")/.." && pwd)/tests/board"
    [ -f "$dir/node_modules/playwright-core/package.json" ] && return 0
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm install --prefix "$dir" --no-audit --no-fund --no-save --silent
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    board_test_modules
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
board_test_modules
