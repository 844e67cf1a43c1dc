#!/usr/bin/env bash
# Every script README names, and the window, answers --help and --version
# with exit 0 and without starting anything: no build folder appears and no
# display is needed. Usage: check-help.sh ZENTICK_BINARY
set -uo pipefail
cd "$(dirname "$0")/../.."
window=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bad=0
check() {
    local what=$1; shift
    local out status
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$@" 2>"$scratch/err")
    status=$?
    if [ "$status" -ne 0 ] || [ -z "$out" ]; then
        echo "$what: exit $status, $(wc -c <<<"$out") bytes on stdout; stderr: $(head -c 300 "$scratch/err")"
        bad=1
    fi
}
before=$(ls -d build* 2>/dev/null | sort)
for script in scripts/run.sh scripts/test.sh scripts/fuzz.sh scripts/package.sh tests/netns/netns-run.sh; do
    check "$script --help" "$script" --help
done
for script in scripts/run.sh scripts/test.sh scripts/fuzz.sh scripts/package.sh; do
    check "$script --version" "$script" --version
done
check "zentick --help" "$window" --help
check "zentick --version" "$window" --version
after=$(ls -d build* 2>/dev/null | sort)
[ "$before" = "$after" ] || { echo "a build folder appeared: $after"; bad=1; }
exit $bad
