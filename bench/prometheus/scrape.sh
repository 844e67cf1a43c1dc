#!/usr/bin/env bash
# The /metrics page of a monitor of 1000 simulated clocks: time and size of a
# scrape. Needs root (namespaces); about a minute.
#   bench/prometheus/scrape.sh [BUILD_DIR] [CLOCKS] [SCRAPES]   (default build, 1000, 50)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
clocks="${2:-1000}"
scrapes="${3:-50}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
last=$((10 + clocks - 1))
/usr/bin/python3 - "$tmp/clocks.json" "$clocks" <<'PY'
import json, sys
n = int(sys.argv[2])
json.dump({"clocks": [{"ip": f"192.168.{(10 + i) // 256}.{(10 + i) % 256}", "user": "admin", "password": "admin",
                       "name": f"Building 3 floor {i // 20} room {i % 20}"} for i in range(n)]}, open(sys.argv[1], "w"))
PY
tests/netns/netns-run.sh --sim "$build/bin/zentick-clocksim" --clocks "$tmp/clocks.json" --prefix 22 \
    --addresses "192.168.0.10-192.168.$((last / 256)).$((last % 256))" \
    -- /usr/bin/python3 bench/prometheus/scrape.py "$build/bin/zentick-cli" "$clocks" "$scrapes"
