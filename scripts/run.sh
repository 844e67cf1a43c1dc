#!/usr/bin/env bash
# Installs the dependencies, builds a release of Zentick into build/ (the
# window, zentick-cli and zentick-clocksim) and starts the window.
#
#   scripts/run.sh [ARGS]          the program, with your settings and device list
#   scripts/run.sh --demo [ARGS]   the program against a simulated fleet of clocks
#   scripts/run.sh --demo --mail [ARGS]
#                                  the same, with a mail server in the demo's own
#                                  network that prints every mail it receives
#                                  (127.0.0.1, port 8025, no authentication)
#   scripts/run.sh --help | --version
#                                  this text, or the version; starts nothing
#
# Run it as root or as your own user. It calls sudo only when it is not root
# and needs to be: for missing packages, and for the demo's network
# namespaces. The window always runs as the user who started the script.
#
# The demo starts tools/clocksim/demo/fleet.json in a private pair of network
# namespaces (tests/netns/netns-run.sh) and the window inside the "pc" one,
# with settings and device list in a temporary folder that is removed
# afterwards: your own list is never touched. It needs a display reached
# through a socket file (a local X server or Wayland); X forwarded over ssh
# does not reach into the namespace.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
answer_help_and_version "$@"

demo=0
mail=0
if [ "${1:-}" = --demo ]; then
    demo=1
    shift
    become_root --demo "$@"
    if [ "${1:-}" = --mail ]; then
        mail=1
        shift
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "run.sh: the demo needs root, or sudo, for its network namespaces" >&2
        exit 1
    fi
fi

scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD"
export CCACHE_NOHASHDIR=1
as_tree_owner cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTICK_BUILD_TESTS=OFF \
    -DZENTICK_BUILD_BENCH=OFF >/dev/null
as_tree_owner cmake --build build --target zentick zentick-cli zentick-clocksim

if [ "$demo" = 0 ]; then
    # Translations are found relative to the working folder.
    cd build/bin
    as_calling_user ./zentick "$@"
    exit
fi

root=$PWD
demo_home=$(mktemp -d "${TMPDIR:-/tmp}/zentick-demo.XXXXXX")
trap 'rm -rf "$demo_home"' EXIT
program=(env XDG_CONFIG_HOME="$demo_home/config" XDG_DATA_HOME="$demo_home/data" ./zentick "$@")
# The demo's site is in Central Europe: the audit compares its clocks with
# that zone whatever the computer's own is.
mkdir -p "$demo_home/config/QLX Devices"
printf '[Audit]\nsiteZone=Europe/Berlin\n' >"$demo_home/config/QLX Devices/Zentick.ini"
user=$(calling_user)
if [ -n "$user" ]; then
    chown -R "$user" "$demo_home"
    program=(runuser -u "$user" -- "${program[@]}")
fi
echo "Demo: 20 simulated clocks on 192.168.0.0/24, user \"admin\", password \"admin\"."
echo "Settings and device list are kept in $demo_home until the window closes."
if [ "$mail" = 1 ]; then
    # Inside the demo's namespace, so its 127.0.0.1 is the window's and no
    # other demo or test run can be the one that answers.
    echo "Mail server: 127.0.0.1, port 8025, no authentication, no encryption; every mail it"
    echo "receives is printed below."
    program=(bash -c '/usr/bin/python3 -m aiosmtpd -n -l 127.0.0.1:8025 & server=$!
                      "$@"; status=$?; kill "$server" 2>/dev/null; exit "$status"' _ "${program[@]}")
fi
cd build/bin
"$root/tests/netns/netns-run.sh" --sim "$root/build/bin/zentick-clocksim" \
    --clocks "$root/tools/clocksim/demo/fleet.json" -- "${program[@]}"
