#!/usr/bin/env python3
"""flood.py CLI CONNECTIONS SECONDS [FILE_LIMIT], in the "pc" namespace of bench/board/board.sh:
runs zentick-cli monitor --metrics on the device list, waits until every
clock answered, then holds CONNECTIONS connections open to the listener for
SECONDS while scraping twice a second; prints the failed polls added
meanwhile, the slowest scrape and the most file descriptors the monitor held.
The monitor's file limit is FILE_LIMIT (1024, systemd's default)."""
import os, resource, socket, subprocess, sys, time, urllib.request

PORT = 9932


def metrics():
    with urllib.request.urlopen(f"http://127.0.0.1:{PORT}/metrics", timeout=5) as reply:
        values = {}
        for line in reply.read().decode().splitlines():
            if line and not line.startswith("#"):
                name, _, value = line.rpartition(" ")
                values[name] = values.get(name, 0) + float(value) if name.startswith("zentick_clock_up") else float(value)
        return values


def up(values):
    return sum(v for k, v in values.items() if k.startswith("zentick_clock_up{"))


def main():
    cli, count, seconds = sys.argv[1], int(sys.argv[2]), float(sys.argv[3])
    file_limit = int(sys.argv[4]) if len(sys.argv) > 4 else 1024
    hard = resource.getrlimit(resource.RLIMIT_NOFILE)[1]
    resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))
    monitor = subprocess.Popen([cli, "monitor", "--metrics", str(PORT)], stdout=subprocess.DEVNULL,
                               preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_NOFILE, (file_limit, hard)))
    try:
        end = time.monotonic() + 120
        clocks = 0
        while time.monotonic() < end:
            try:
                values = metrics()
                clocks = int(values.get("zentick_monitor_clocks", 0))
                if clocks and up(values) == clocks:
                    break
            except OSError:
                pass
            time.sleep(0.5)
        failed_before = metrics()["zentick_monitor_polls_failed_total"]
        held, refused = [], 0
        for _ in range(count):
            try:
                held.append(socket.create_connection(("127.0.0.1", PORT), timeout=2))
            except OSError:
                refused += 1
        slowest, failed_scrapes, most_fds = 0.0, 0, 0
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            begun = time.monotonic()
            try:
                metrics()
            except OSError:
                failed_scrapes += 1
            slowest = max(slowest, time.monotonic() - begun)
            most_fds = max(most_fds, len(os.listdir(f"/proc/{monitor.pid}/fd")))
            time.sleep(0.5)
        failed_after = metrics()["zentick_monitor_polls_failed_total"]
        print(f"metrics flood (file limit {file_limit}): {clocks} clocks, {len(held)} connections held ({refused} not accepted) for "
              f"{seconds:.0f} s: {failed_after - failed_before:.0f} more failed polls, slowest scrape "
              f"{slowest * 1000:.0f} ms, {failed_scrapes} scrapes failed, at most {most_fds} file descriptors")
        for s in held:
            s.close()
    finally:
        monitor.kill()


if __name__ == "__main__":
    main()
