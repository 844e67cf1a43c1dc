#!/usr/bin/env bash
# Builds the Debian package from an already built tree and checks it: the
# file list, the declared run-time dependencies, the desktop entry, the
# metainfo, the systemd units and lintian. Leaves nothing behind.
#
#   packaging/check-package.sh BUILD_DIR [--keep DIR]
#
# Exit status: 0 when every check passed, 1 otherwise (each failure is named).
set -uo pipefail

build=$(realpath "${1:?usage: check-package.sh BUILD_DIR [--keep DIR]}")
keep=""
[ "${2:-}" = "--keep" ] && keep="${3:?--keep needs a folder}"

for tool in cpack dpkg-deb desktop-file-validate appstreamcli systemd-analyze lintian promtool; do
    command -v "$tool" >/dev/null || { echo "check-package: $tool not found; run scripts/install-deps.sh" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

# gzip rather than xz: the same contents, checked in a fraction of the time.
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" \
        -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$(ls "$work"/out/*.deb)
[ -n "$keep" ] && cp "$deb" "$keep/"
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' | sed 's#^\./#/#' >"$work/files"

appId=com.qlxdevices.zentick
expected=(
    /usr/bin/zentick /usr/bin/zentick-cli /usr/bin/zentick-clocksim
    /usr/share/applications/$appId.desktop
    /usr/share/metainfo/$appId.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/$appId.svg
    /usr/lib/systemd/system/zentick-monitor.service
    /usr/lib/systemd/user/zentick-monitor.service
    /usr/share/doc/zentick/copyright /usr/share/doc/zentick/changelog.gz
    /usr/share/zentick/prometheus/zentick-rules.yml /usr/share/zentick/prometheus/zentick-dashboard.json
    /usr/share/zentick/prometheus/prometheus.yml
    /usr/share/zentick/prometheus/alertmanager.yml /usr/share/zentick/prometheus/sites/site-a.yml
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$appId.png")
done
for code in en pl es fr it de; do
    expected+=("/usr/share/zentick/translations/ZTK_$code.qm")
    expected+=("/usr/share/zentick/manuals/QLX Zentick ${code^^}.pdf")
done
missing=0
for path in "${expected[@]}"; do
    grep -qxF "$path" "$work/files" || { fail "not in the package: $path"; missing=1; }
done
[ $missing -eq 0 ] && pass "file list (${#expected[@]} files)"

rules="$work/root/usr/share/zentick/prometheus/zentick-rules.yml"
if cmp -s "$rules" "$(dirname "$0")/prometheus/zentick-rules.yml" && out=$(promtool check rules "$rules" 2>&1); then
    pass "Prometheus rules as shipped (promtool check rules)"
else
    fail "Prometheus rules: ${out:-differ from packaging/prometheus}"
fi

depends=$(dpkg-deb -f "$deb" Depends)
if [[ "$depends" == *libqt5core5a* && "$depends" == *libc6* && "$depends" == *libsqlite3-0* ]]; then
    pass "dependencies from the linked libraries"
else
    fail "Depends lacks the linked libraries: $depends"
fi

if out=$(desktop-file-validate "$work/root/usr/share/applications/$appId.desktop" 2>&1) && [ -z "$out" ]; then
    pass "desktop-file-validate"
else
    fail "desktop-file-validate: $out"
fi

if out=$(appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$appId.metainfo.xml" 2>&1); then
    pass "appstreamcli validate"
else
    fail "appstreamcli validate: $out"
fi

# systemd-analyze checks that ExecStart exists, so the units point into the
# unpacked tree; it reports unknown keys only as warnings, so any output fails.
grep -q '^ExecStart=/usr/bin/zentick-cli monitor' "$work/root/usr/lib/systemd/system/zentick-monitor.service" \
    || fail "the system unit does not start /usr/bin/zentick-cli monitor"
mkdir -p "$work/units/system" "$work/units/user" "$work/runtime"
chmod 700 "$work/runtime"
for kind in system user; do
    sed "s#=/usr/bin/#=$work/root/usr/bin/#" "$work/root/usr/lib/systemd/$kind/zentick-monitor.service" \
        >"$work/units/$kind/zentick-monitor.service"
    flag=""
    [ "$kind" = user ] && flag="--user"
    if out=$(XDG_RUNTIME_DIR="$work/runtime" systemd-analyze $flag verify --man=no \
            "$work/units/$kind/zentick-monitor.service" 2>&1) && [ -z "$out" ]; then
        pass "systemd-analyze verify ($kind unit)"
    else
        fail "systemd-analyze verify ($kind unit): $out"
    fi
done

# Errors fail; warnings (no manual pages) are shown for the record.
if out=$(lintian --fail-on error --allow-root "$deb" 2>&1); then
    pass "lintian, no errors, $(grep -c '^W:' <<<"$out") warnings"
else
    fail "lintian: $out"
fi

if [ $failures -ne 0 ]; then
    echo "$failures package checks failed"
    exit 1
fi
echo "every package check passed"
