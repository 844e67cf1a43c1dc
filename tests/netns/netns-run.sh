#!/usr/bin/env bash
# Runs one command against simulated clocks in a private pair of network namespaces.
#
#   tests/netns/netns-run.sh [options] -- COMMAND [ARG...]
#
# Makes a "pc" namespace holding 192.168.0.2/24 and a "clocks" namespace holding
# 192.168.0.<first>..<last>/24 (default 10..99, which includes the factory
# address 192.168.0.11), joined by a veth pair, loopback up in both, and a
# default route in "pc" that leads only into "clocks". Starts zentick-clocksim
# in "clocks", waits until it listens, runs COMMAND in "pc", and removes
# everything on every exit path. Namespace names are unique per run, so tests
# may run in parallel. Nothing can leave the two namespaces.
#
# Options:
#   --sim PATH         zentick-clocksim (default: $ZENTICK_BINARY_DIR/bin/zentick-clocksim)
#   --clocks FILE      clock file for the simulator
#   --generate N       instead of --clocks: N generated clocks (with --first-ip A.B.C.D)
#   --first-ip ADDR    first address of generated clocks (default 192.168.0.10)
#   --sim-arg ARG      one more argument for the simulator (repeatable), e.g. --sim-arg --fixed-time=2026-01-01T12:00:00
#   --addresses F-L    last numbers of the clock-side addresses (default 10-99); with
#                      --prefix, whole addresses (192.168.0.10-192.168.3.200)
#   --prefix N         network prefix length, 16 to 24 (default 24): a wider network
#                      192.168.0.0/N for fleets of more than 245 clocks
#   --pc-links N       N links between the namespaces (default 1, at most 8); link i gives
#                      "pc" the address 192.168.0.(2+i), so the pc sees the clocks through
#                      N interfaces on one network
#   --no-sim           namespaces only, no simulator
#   --keep-log DIR     copy the request log and the simulator's output into DIR afterwards
#
# COMMAND runs as the same user in the "pc" namespace, with these variables:
#   ZENTICK_NETNS_PC, ZENTICK_NETNS_CLOCKS  namespace names (ip netns exec NAME ...)
#   ZENTICK_PC_ADDRESS                      192.168.0.2
#   ZENTICK_PC_ADDRESSES                    every pc address, blank-separated (see --pc-links)
#   ZENTICK_CLOCKSIM_CONTROL                control socket of the simulator (see zentick-clocksim --ask,
#                                           commands: ping, state, reset, clear-log, faults N {json},
#                                           status N {json}, move N ADDRESS, time ISO|real)
#   ZENTICK_CLOCKSIM_LOG                    request log, one JSON object per line
#   ZENTICK_CLOCKSIM_CLOCKS                 the clock file (empty for --generate)
#   ZENTICK_NETNS_RUN_DIR                   scratch folder of this run (removed afterwards)
#
# Exit status: COMMAND's; 77 when namespaces cannot be made here (not root, no
# "ip netns"), so CTest reports a skip; 2 for a usage error; 3 when the
# simulator does not start (its error output is printed).
set -uo pipefail

PC_ADDRESS=192.168.0.2
PC_FIRST_HOST=2
MAX_PC_LINKS=8
PREFIX=24
NETWORK=192.168.0
READY_TIMEOUT_S=30

sim="${ZENTICK_BINARY_DIR:-}/bin/zentick-clocksim"
clocks=""
generate=""
first_ip="192.168.0.10"
sim_args=()
range="10-99"
with_sim=1
keep_dir=""
pc_links=1

help_text() { sed -n '2,/^set -uo/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//'; }
usage() { help_text >&2; exit 2; }

while [ $# -gt 0 ]; do
    case "$1" in
        --sim) sim="$2"; shift 2 ;;
        --clocks) clocks="$2"; shift 2 ;;
        --generate) generate="$2"; shift 2 ;;
        --first-ip) first_ip="$2"; shift 2 ;;
        --sim-arg) sim_args+=("$2"); shift 2 ;;
        --addresses) range="$2"; shift 2 ;;
        --pc-links) pc_links="$2"; shift 2 ;;
        --prefix) PREFIX="$2"; shift 2 ;;
        --no-sim) with_sim=0; shift ;;
        --keep-log) keep_dir="$2"; shift 2 ;;
        --) shift; break ;;
        -h|--help) help_text; exit 0 ;;
        *) echo "netns-run: unknown option $1" >&2; usage ;;
    esac
done
[ $# -gt 0 ] || { echo "netns-run: no command given" >&2; usage; }
first="${range%-*}"
last="${range#*-}"
case "$PREFIX" in ''|*[!0-9]*) echo "netns-run: --prefix wants a number" >&2; exit 2 ;; esac
if [ "$PREFIX" -lt 16 ] || [ "$PREFIX" -gt 24 ]; then
    echo "netns-run: --prefix must be 16 to 24" >&2; exit 2
fi
# Whole addresses become host numbers counted from $NETWORK.0.
host_number() {
    local a b c d
    case "$1" in
        *.*.*.*) IFS=. read -r a b c d <<<"$1"
                 [ "$a.$b" = "${NETWORK%.*}" ] || return 1
                 echo $(( (c - ${NETWORK##*.}) * 256 + d )) ;;
        *) echo "$1" ;;
    esac
}
first="$(host_number "$first")" && last="$(host_number "$last")" || {
    echo "netns-run: --addresses must lie in $NETWORK.0/$PREFIX" >&2; exit 2; }
case "$first$last" in *[!0-9]*|"") echo "netns-run: --addresses wants F-L" >&2; exit 2 ;; esac
host_address() { echo "${NETWORK%.*}.$(( ${NETWORK##*.} + $1 / 256 )).$(( $1 % 256 ))"; }
case "$pc_links" in ''|*[!0-9]*) echo "netns-run: --pc-links wants a number" >&2; exit 2 ;; esac
if [ "$pc_links" -lt 1 ] || [ "$pc_links" -gt "$MAX_PC_LINKS" ]; then
    echo "netns-run: --pc-links must be 1 to $MAX_PC_LINKS" >&2; exit 2
fi
if [ "$first" -le $((PC_FIRST_HOST + pc_links - 1)) ] || [ "$last" -ge $(( (1 << (32 - PREFIX)) - 1 )) ] \
    || [ "$first" -gt "$last" ]; then
    echo "netns-run: --addresses must lie above the pc addresses and below the broadcast address" >&2; exit 2
fi
if [ "$with_sim" = 1 ]; then
    [ -x "$sim" ] || { echo "netns-run: simulator not found at '$sim' (use --sim)" >&2; exit 2; }
    if [ -z "$clocks" ] && [ -z "$generate" ]; then
        echo "netns-run: give --clocks FILE or --generate N" >&2; exit 2
    fi
fi

if [ "$(id -u)" -ne 0 ] || ! command -v ip >/dev/null 2>&1; then
    echo "netns-run: needs root and iproute2 (ip netns); skipping" >&2
    exit 77
fi

# A run killed outright (SIGKILL, e.g. a CTest time-out) cannot clean up; its
# namespaces carry its process id, so a later run removes them once that
# process is gone.
for stale in $(ip netns list 2>/dev/null | awk '{print $1}' | grep -E '^ztk-(pc|clocks)-[0-9]+-[0-9]+$'); do
    owner="${stale#ztk-*-}"
    owner="${owner%%-*}"
    if ! kill -0 "$owner" 2>/dev/null; then
        ip netns del "$stale" 2>/dev/null
    fi
done

tag="$$-${RANDOM}${RANDOM}"
ns_pc="ztk-pc-$tag"
ns_clocks="ztk-clocks-$tag"
run_dir="$(mktemp -d "${TMPDIR:-/tmp}/zentick-netns.XXXXXX")"
sim_pid=""

cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
        kill "$sim_pid" 2>/dev/null
        wait "$sim_pid" 2>/dev/null
    fi
    if [ -n "$keep_dir" ]; then
        mkdir -p "$keep_dir" && cp -f "$run_dir"/requests.jsonl "$run_dir"/sim.out "$run_dir"/sim.err "$keep_dir"/ 2>/dev/null
    fi
    ip netns del "$ns_pc" 2>/dev/null
    ip netns del "$ns_clocks" 2>/dev/null
    rm -rf "$run_dir"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

if ! ip netns add "$ns_pc" 2>"$run_dir/ip.err" || ! ip netns add "$ns_clocks" 2>>"$run_dir/ip.err"; then
    cat "$run_dir/ip.err" >&2
    echo "netns-run: cannot make network namespaces here; skipping" >&2
    exit 77
fi

# Both ends are made inside the namespaces, so their names never clash with
# another run's and nothing appears in the caller's namespace.
pc_addresses=""
{
    echo "link set lo up"
    for i in $(seq 0 $((pc_links - 1))); do
        suffix=""; [ "$i" -gt 0 ] && suffix="$i"
        echo "link add veth-pc$suffix type veth peer name veth-clocks$suffix netns $ns_clocks"
        echo "addr add $NETWORK.$((PC_FIRST_HOST + i))/$PREFIX dev veth-pc$suffix"
        echo "link set veth-pc$suffix up"
    done
    # A socket bound to no address needs a route for 255.255.255.255; this one leads only to "clocks".
    echo "route add default dev veth-pc"
} | ip -n "$ns_pc" -batch - || { echo "netns-run: setting up $ns_pc failed" >&2; exit 1; }
for i in $(seq 0 $((pc_links - 1))); do
    pc_addresses="$pc_addresses${pc_addresses:+ }$NETWORK.$((PC_FIRST_HOST + i))"
done
{
    echo "link set lo up"
    for i in $(seq "$first" "$last"); do
        echo "addr add $(host_address "$i")/$PREFIX dev veth-clocks"
    done
    for i in $(seq 0 $((pc_links - 1))); do
        suffix=""; [ "$i" -gt 0 ] && suffix="$i"
        echo "link set veth-clocks$suffix up"
    done
} | ip -n "$ns_clocks" -batch - || { echo "netns-run: setting up $ns_clocks failed" >&2; exit 1; }

export ZENTICK_NETNS_PC="$ns_pc"
export ZENTICK_NETNS_CLOCKS="$ns_clocks"
export ZENTICK_PC_ADDRESS="$PC_ADDRESS"
export ZENTICK_PC_ADDRESSES="$pc_addresses"
export ZENTICK_NETNS_RUN_DIR="$run_dir"
export ZENTICK_CLOCKSIM_CONTROL=""
export ZENTICK_CLOCKSIM_LOG=""
export ZENTICK_CLOCKSIM_CLOCKS="$clocks"

if [ "$with_sim" = 1 ]; then
    ZENTICK_CLOCKSIM_CONTROL="$run_dir/control.sock"
    ZENTICK_CLOCKSIM_LOG="$run_dir/requests.jsonl"
    args=(--control "$ZENTICK_CLOCKSIM_CONTROL" --log "$ZENTICK_CLOCKSIM_LOG" --ready-file "$run_dir/ready")
    if [ -n "$clocks" ]; then
        args+=(--clocks "$clocks")
    else
        args+=(--generate "$generate" --first-ip "$first_ip")
    fi
    ip netns exec "$ns_clocks" "$sim" "${args[@]}" "${sim_args[@]}" >"$run_dir/sim.out" 2>"$run_dir/sim.err" &
    sim_pid=$!
    # Polling a file here only paces start-up; the tests themselves never wait on time.
    waited=0
    while [ ! -e "$run_dir/ready" ]; do
        if ! kill -0 "$sim_pid" 2>/dev/null; then
            wait "$sim_pid"; code=$?
            sim_pid=""
            echo "netns-run: zentick-clocksim stopped with status $code:" >&2
            cat "$run_dir/sim.err" >&2
            exit 3
        fi
        if [ "$waited" -ge $((READY_TIMEOUT_S * 10)) ]; then
            echo "netns-run: zentick-clocksim not ready after ${READY_TIMEOUT_S}s" >&2
            cat "$run_dir/sim.err" >&2
            exit 3
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
fi

ip netns exec "$ns_pc" "$@"
status=$?
if [ "$status" -ne 0 ] && [ "$with_sim" = 1 ] && [ -s "$run_dir/sim.err" ]; then
    echo "--- zentick-clocksim error output ---" >&2
    cat "$run_dir/sim.err" >&2
fi
exit "$status"
