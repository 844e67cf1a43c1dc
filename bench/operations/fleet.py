#!/usr/bin/env python3
"""Large simulated fleets with faults, for bench/operations/fleet.sh.

  fleet.py make FILE ANSWERING SILENT [LOW HIGH]
                                          clock file: ANSWERING + SILENT clocks
                                          from 192.168.0.10 on, silent ones spread
                                          evenly, answering ones after LOW to HIGH
                                          ms if given; prints the last address
  fleet.py list FILE UNREACHABLE          writes a device list of the clock file's
                                          clocks and UNREACHABLE more that nobody
                                          answers for, in $XDG_DATA_HOME
  fleet.py monitor CLI SECONDS            in the "pc" namespace, on that list: runs
                                          the monitor and prints its figures
  fleet.py powercut CLI CUT DOWN PARALLEL in the "pc" namespace: the monitor with
                                          alert mails to a mail server of its own;
                                          CUT clocks lose power for DOWN seconds
                                          (their addresses vanish); prints the
                                          mails of the ten minutes after the cut

A search would not do for the list: a thousand discovery replies at once
overflow any socket's receive buffer, and a search finds only some of them.

With FLEET_BOARD_LOAD=1 the monitor's window also carries the board's heaviest
load: a 48 MB journal in which one clock is rare, four clients looping that
clock's history and four looping the complete list, compressed. With
FLEET_CHANGE_RUN=1 another zentick-cli changes Server1 on every clock from a
copy of the list at the window's start, and the polls meanwhile are counted.
With FLEET_HISTORY_LOAD=1 (a year of history already in the data folder,
bench_availability --seed) the window carries the reports' load: another
zentick-cli writing last month's availability report over and over, and two
clients asking the monitor for the same report (/api/v1/availability) and
for a clock's history; the polls meanwhile are counted.

Figures come from the simulator's request log (every poll of a clock that
answers or stays silent), the monitor's metrics (the status age of clocks
nobody answers for, when the start-up audit ended) and /proc (the monitor's
CPU time and memory, and the most memory it held while the start-up audit
ran, from the moment it loaded its list).
"""
import collections
import json
import os
import shutil
from xml.sax.saxutils import quoteattr
import statistics
import subprocess
import sys
import threading
import time
import urllib.request
from datetime import datetime, timedelta

FIRST = (192 << 24) | (168 << 16) | 10
SILENT_WAIT_S = 4.0  # 20 waits of 200 ms for the first byte
METRICS_PORT = 9931
# The first round of polls after a start is no steady pace yet.
AUDIT_GAPS_AFTER_S = 30


def address(number):
    return ".".join(str((number >> shift) & 0xFF) for shift in (24, 16, 8, 0))


def make(path, answering, silent, delay=None):
    total = answering + silent
    step = total / silent if silent else 0
    silent_at = {int(i * step) for i in range(silent)}
    clocks = []
    for i in range(total):
        clock = {"ip": address(FIRST + i), "user": "admin", "password": "admin", "name": f"Clock {i}"}
        if i in silent_at:
            clock["faults"] = {"silent": True}
        elif delay:
            clock["faults"] = {"delayMs": delay if delay[0] != delay[1] else delay[0]}
        clocks.append(clock)
    with open(path, "w") as out:
        json.dump({"clocks": clocks}, out)
    print(address(FIRST + total - 1))


def unreachable_addresses(fleet, count):
    # Past the simulated ones and not on the clocks' side: nobody answers ARP.
    return [address(FIRST + len(fleet) + 10 + i) for i in range(count)]


SMTP_PORT = 2525


def write_list(path, unreachable):
    fleet = json.load(open(path))["clocks"]
    ips = [c["ip"] for c in fleet] + unreachable_addresses(fleet, unreachable)
    folder = os.path.join(os.environ["XDG_DATA_HOME"], "QLX Devices", "Zentick")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "settings.xml"), "w") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<QLXZentick version="1.00">\n')
        out.write(f' <ClockList size="{len(ips)}">\n')
        for i, ip in enumerate(ips):
            out.write(f'  <Clock index="{i}">\n'
                      f'   <Common groupId="-1" name={quoteattr("Clock " + str(i))} user="admin" password="admin"'
                      ' firmware="305" productCode="QM03" deviceCode=""/>\n'
                      f'   <Network DHCP="0" ip="{ip}" port="2101" subnet="255.255.252.0" gateway=""'
                      ' dnsPrimary="" dnsSecondary=""/>\n'
                      '  </Clock>\n')
        out.write(' </ClockList>\n <GroupList size="0"/>\n')
        # Alert mails to the bench's own server; its window as the site would keep it.
        out.write(f' <NotifSet server="127.0.0.1" port="{SMTP_PORT}" username="" password="" from="zentick@example.test"'
                  ' ignoreSslErrors="0" resendMailTime="0" key="" cert="" authType="0" smtpType="2"'
                  ' errorConnection="1" errorAuth="1" errorNtpTimeout="1" collectionWindow="60" recoveryMails="1">\n'
                  '  <Recipients size="1">\n   <Recipient name="ops@example.test" copy="0"/>\n  </Recipients>\n'
                  ' </NotifSet>\n</QLXZentick>\n')


def sim(command):
    control = os.environ["ZENTICK_CLOCKSIM_CONTROL"]
    sim_binary = os.environ["ZENTICK_CLOCKSIM_BINARY"]
    # A simulator serving a thousand requests a second on a busy machine may
    # answer its control channel late.
    for attempt in range(5):
        done = subprocess.run([sim_binary, "--control", control, "--ask", command], capture_output=True, text=True)
        if done.returncode == 0:
            return done.stdout
    raise RuntimeError(f"the simulator did not take {command!r}: {done.stderr.strip()}")


def sim_pid():
    control = os.environ["ZENTICK_CLOCKSIM_CONTROL"]
    for pid in os.listdir("/proc"):
        if pid.isdigit():
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                    words = cmdline.read().split(b"\0")
            except OSError:
                continue
            if control.encode() in words and b"--ask" not in words:
                return int(pid)
    return None


def log_entries(since):
    entries = []
    with open(os.environ["ZENTICK_CLOCKSIM_LOG"]) as log:
        for line in log:
            entry = json.loads(line)
            if entry.get("kind") == "http" and entry.get("path") == "/T1":
                moment = datetime.fromisoformat(entry["time"]).timestamp()
                if moment >= since:
                    entries.append((moment, entry["local"], entry.get("delivery")))
    return entries


def process_figures(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])
    rss_kib = 0
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                rss_kib = int(line.split()[1])
    return ticks / os.sysconf("SC_CLK_TCK"), rss_kib / 1024


def descriptors(pid):
    return len(os.listdir(f"/proc/{pid}/fd"))


def threads(pid):
    with open(f"/proc/{pid}/stat") as stat:
        return int(stat.read().rsplit(")", 1)[1].split()[17])


SCRAPES = []


def scrape_ages():
    ages = {}
    start = time.time()
    with urllib.request.urlopen(f"http://127.0.0.1:{METRICS_PORT}/metrics", timeout=5) as reply:
        text = reply.read().decode()
    SCRAPES.append(time.time() - start)
    for line in text.splitlines():
        if line.startswith("zentick_clock_status_age_seconds{"):
            labels, value = line.rsplit(" ", 1)
            ip = labels.split('ip="', 1)[1].split('"', 1)[0]
            ages[ip] = float(value)
    return ages


def audit_end():
    """When the last audit ended (seconds since the epoch), or None."""
    try:
        with urllib.request.urlopen(f"http://127.0.0.1:{METRICS_PORT}/metrics", timeout=5) as reply:
            text = reply.read().decode()
    except OSError:
        return None
    for line in text.splitlines():
        if line.startswith("zentick_monitor_audit_last_run_timestamp_seconds "):
            return float(line.split()[1])
    return None


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def reset_peak_rss(pid):
    # "5" starts the high-water mark of resident memory afresh (Linux 4.0 on).
    try:
        with open(f"/proc/{pid}/clear_refs", "w") as refs:
            refs.write("5")
        return True
    except OSError:
        return False


def write_busy_journal(rare_ip, megabytes=48):
    """An older month of events from busy clocks, with rare_ip every 10 000th line."""
    folder = os.path.join(os.environ["XDG_DATA_HOME"], "QLX Devices", "Zentick", "journal")
    os.makedirs(folder, mode=0o700, exist_ok=True)
    with open(os.path.join(folder, "events-2026-11.01.jsonl"), "w") as out:
        written, n = 0, 0
        while written < megabytes * 1024 * 1024:
            ip = rare_ip if n % 10000 == 0 else f"10.1.{n % 50}.{n % 200}"
            line = json.dumps({"time": f"2026-11-01T{n // 36000 % 24:02d}:{n // 600 % 60:02d}:{n // 10 % 60:02d}."
                               f"{n % 10 * 100:03d}Z", "ip": ip, "name": f"Clock {n % 10000}", "group": "",
                               "kind": "unreachable" if n % 2 == 0 else "reachable"}, separators=(",", ":")) + "\n"
            out.write(line)
            written += len(line)
            n += 1


def timed_get(target, timeout, source=None, headers=None):
    """GET target from the monitor's listener: (seconds, status; 0 when none came)."""
    import http.client
    start = time.time()
    status = 0
    try:
        connection = http.client.HTTPConnection("127.0.0.1", METRICS_PORT, timeout=timeout,
                                                source_address=(source, 0) if source else None)
        connection.request("GET", target, headers=headers or {})
        reply = connection.getresponse()
        reply.read()
        status = reply.status
        connection.close()
    except (OSError, http.client.HTTPException):
        pass
    return time.time() - start, status


def board_load(ip, stop, answers):
    """Eight clients until stop is set, each from an address of its own (as
    from their own machines); answers[kind] collects (seconds, status)."""
    def loop(kind, source, target, headers):
        while not stop.is_set():
            answers[kind].append(timed_get(target, 30, source, headers))
    workers = [threading.Thread(target=loop, args=("history", f"127.0.0.{10 + i}", f"/api/v1/clocks/{ip}/events", {}),
                                daemon=True) for i in range(4)]
    workers += [threading.Thread(target=loop, args=("list", f"127.0.0.{20 + i}", "/api/v1/clocks",
                                                    {"Accept-Encoding": "gzip"}), daemon=True) for i in range(4)]
    for worker in workers:
        worker.start()
    return workers


def change_run(cli, env, outcome):
    """zentick-cli change of Server1 on every clock, from a copy of the list
    (as from an operator's own machine while the monitor runs); outcome gets
    its start, end and clocks by state."""
    data = env["XDG_DATA_HOME"] + "-change"
    own = os.path.join(data, "QLX Devices", "Zentick")
    os.makedirs(own, mode=0o700, exist_ok=True)
    shutil.copy(os.path.join(env["XDG_DATA_HOME"], "QLX Devices", "Zentick", "settings.xml"), own)
    outcome["start"] = time.time()
    done = subprocess.run([cli, "--json", "change", "--all", "--set", "Server1=ntp.change.example", "--yes"],
                          env=dict(env, XDG_DATA_HOME=data), capture_output=True, text=True)
    outcome["end"] = time.time()
    try:
        clocks = json.loads(done.stdout)["clocks"]
        outcome["states"] = dict(collections.Counter(c["state"] for c in clocks))
    except (ValueError, KeyError):
        outcome["states"] = {"unreadable output, exit": done.returncode}


def history_load(cli, env, answering, stop, load):
    """Until stop is set: the month's report from another zentick-cli (it reads
    the database the monitor writes), the monitor's own answer to it, and one
    clock's history; load[kind] collects (seconds, outcome)."""
    import random

    def report():
        while not stop.is_set():
            start = time.time()
            done = subprocess.run([cli, "--json", "report", "availability", "--period", "month"], env=env,
                                  capture_output=True, text=True)
            load["cli report"].append((time.time() - start, done.returncode))

    def ask(kind, target_of):
        pick = random.Random(7)
        while not stop.is_set():
            load[kind].append(timed_get(target_of(pick), 120))
            time.sleep(1)

    first = datetime.now().date().replace(day=1)
    month_start = (first - timedelta(days=1)).replace(day=1).isoformat()
    month_end = first.isoformat()
    workers = [threading.Thread(target=report, daemon=True),
               threading.Thread(target=ask, args=("API report", lambda _: f"/api/v1/availability?from={month_start}"
                                                  f"&to={month_end}"), daemon=True),
               threading.Thread(target=ask, args=("clock history", lambda pick:
                                                  f"/api/v1/clocks/{pick.choice(answering)}/events"), daemon=True)]
    for worker in workers:
        worker.start()


def gaps(times):
    times = sorted(times)
    return [b - a for a, b in zip(times, times[1:])]


def monitor(cli, seconds):
    env = dict(os.environ)
    fleet = json.load(open(os.environ["ZENTICK_CLOCKSIM_CLOCKS"]))["clocks"]
    silent = {c["ip"] for c in fleet if c.get("faults", {}).get("silent")}
    answering = [c["ip"] for c in fleet if c["ip"] not in silent]
    listed = json.loads(subprocess.run([cli, "--json", "list"], env=env, check=True, capture_output=True,
                                       text=True).stdout)["clocks"]
    dead = [c["ip"] for c in listed if c["ip"] not in silent and c["ip"] not in answering]
    print(f"listed: {len(listed)} clocks, {len(answering)} answering, {len(silent)} silent, "
          f"{len(dead)} unreachable")

    loaded = os.environ.get("FLEET_BOARD_LOAD") == "1"
    if loaded:
        write_busy_journal(answering[0])
    proc = subprocess.Popen([cli, "monitor", "--metrics", str(METRICS_PORT), "--save-interval", "3600"], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    most_fds = 0
    most_threads = 0
    try:
        print(f"monitor says: {proc.stderr.readline().strip()}")
        threading.Thread(target=proc.stderr.read, daemon=True).start()
        # From here on the peak is the start-up audit's (the list is loaded).
        started = time.time()
        peak_reset = reset_peak_rss(proc.pid)
        # The audit every start makes (a configuration download per clock)
        # is no part of the steady state.
        audit_ended = None
        while time.time() - started < 900 and audit_ended is None:
            time.sleep(1)
            audit_ended = audit_end()
        audit_peak = peak_rss_mb(proc.pid)
        print(f"start-up audit over {(audit_ended or time.time()) - started:.0f} s after the start")
        # Every dead clock past its alert, so that the poller is in its steady state.
        time.sleep(max(0, 120 - (time.time() - started)))
        simulator = sim_pid()
        cpu0, _ = process_figures(proc.pid)
        sim0 = process_figures(simulator)[0] if simulator else 0
        load0 = os.getloadavg()[0]
        wall0 = time.time()
        quiet = min(60, seconds)
        time.sleep(quiet)
        cpu1, rss = process_figures(proc.pid)
        cpu_share = (cpu1 - cpu0) / (time.time() - wall0) * 100
        sim_share = ((process_figures(simulator)[0] - sim0) / (time.time() - wall0) * 100) if simulator else -1
        print(f"machine load average {load0:.1f} -> {os.getloadavg()[0]:.1f}; simulator CPU {sim_share:.1f} % "
              "of one core")

        stop_load = threading.Event()
        answers = {"history": [], "list": []}
        if loaded:
            board_load(answering[0], stop_load, answers)
        window_start = time.time()
        change = {}
        if os.environ.get("FLEET_CHANGE_RUN") == "1":
            threading.Thread(target=change_run, args=(cli, env, change), daemon=True).start()
        history = {"cli report": [], "API report": [], "clock history": []}
        if os.environ.get("FLEET_HISTORY_LOAD") == "1":
            history_load(cli, env, answering, stop_load, history)
        victim = answering[len(answering) // 2]
        victim_index = next(i for i, c in enumerate(fleet) if c["ip"] == victim)
        turned_silent = None
        dead_age = {ip: 0.0 for ip in dead}
        while time.time() - window_start < seconds:
            if turned_silent is None and time.time() - window_start > 10:
                try:
                    sim(f'faults {victim_index} {{"silent": true}}')
                    turned_silent = time.time()
                except RuntimeError as failure:
                    print(failure)
                    turned_silent = float("inf")
            for ip, age in scrape_ages().items():
                if ip in dead_age:
                    dead_age[ip] = max(dead_age[ip], age)
            most_fds = max(most_fds, descriptors(proc.pid))
            most_threads = max(most_threads, threads(proc.pid))
            time.sleep(2)
        _, rss_end = process_figures(proc.pid)
        stop_load.set()
    finally:
        proc.terminate()
        proc.wait()

    # Polls while the audit ran, once the first round is over.
    during = {}
    for moment, ip, delivery in log_entries(started + AUDIT_GAPS_AFTER_S):
        if audit_ended is not None and moment <= audit_ended and ip not in silent:
            during.setdefault(ip, []).append(moment)
    during_gaps = sorted(g for times in during.values() for g in gaps(times))
    if peak_reset:
        print(f"start-up audit: resident memory at most {audit_peak:.0f} MB, {audit_peak - rss:.0f} MB over the "
              f"monitor's own at steady state ({rss:.0f} MB)")
    if during_gaps:
        print(f"answering clocks while the audit ran (from {AUDIT_GAPS_AFTER_S} s after the start): gap median "
              f"{statistics.median(during_gaps):.1f} s, 99th percentile "
              f"{during_gaps[int(len(during_gaps) * 0.99)]:.1f} s, worst {during_gaps[-1]:.1f} s "
              f"({len(during_gaps)} gaps, {sum(1 for g in during_gaps if g > 12)} over 12 s)")

    if change:
        end = change.get("end", time.time())
        during = {}
        for moment, ip, _ in log_entries(change["start"]):
            if moment <= end and ip not in silent and ip != victim:
                during.setdefault(ip, []).append(moment)
        change_gaps = sorted(g for times in during.values() for g in gaps(times))
        print(f"change of Server1 on every clock from another zentick-cli: {end - change['start']:.0f} s, "
              f"{change.get('states', 'not finished in the window')}")
        if change_gaps:
            print(f"answering clocks while the change ran: gap median {statistics.median(change_gaps):.1f} s, "
                  f"99th percentile {change_gaps[int(len(change_gaps) * 0.99)]:.1f} s, worst "
                  f"{change_gaps[-1]:.1f} s ({len(change_gaps)} gaps, {sum(1 for g in change_gaps if g > 12)} "
                  "over 12 s)")

    for kind, got in history.items():
        if got:
            times = sorted(t for t, _ in got)
            print(f"history load, {kind}: {len(got)} done ({sum(1 for _, s in got if s in (0, 200))} well), "
                  f"median {statistics.median(times):.2f} s, worst {times[-1]:.2f} s")

    polls = {}
    failed = []
    for moment, ip, delivery in log_entries(window_start):
        if ip == victim:
            if moment >= turned_silent and delivery == "silent":
                failed.append(moment)
            continue
        polls.setdefault(ip, []).append(moment)
    answering_gaps = [g for ip, times in polls.items() if ip not in silent for g in gaps(times)]
    silent_gaps = [g for ip, times in polls.items() if ip in silent for g in gaps(times)]
    print(f"monitor CPU at steady state: {cpu_share:.1f} % of one core; resident memory {rss:.0f} MB "
          f"({max(rss, rss_end):.0f} MB at most); open descriptors at most {most_fds}, threads at most "
          f"{most_threads}")
    SCRAPES.sort()
    print(f"metrics scrape: median {statistics.median(SCRAPES) * 1000:.0f} ms, "
          f"99th percentile {SCRAPES[int(len(SCRAPES) * 0.99)] * 1000:.0f} ms, worst {SCRAPES[-1] * 1000:.0f} ms "
          f"({len(SCRAPES)} scrapes)")
    for kind, got in answers.items():
        if got:
            times = sorted(t for t, _ in got)
            print(f"board load, {kind}: {len(got)} answers ({sum(1 for _, s in got if s == 200)} of them 200), "
                  f"median {statistics.median(times) * 1000:.0f} ms, 99th percentile "
                  f"{times[int(len(times) * 0.99)] * 1000:.0f} ms")
    answering_gaps.sort()
    over = sum(1 for g in answering_gaps if g > 12)
    never = [ip for ip in answering if ip != victim and len(polls.get(ip, [])) < 2]
    if never:
        print(f"answering clocks polled fewer than twice in the window: {len(never)}")
    print(f"answering clocks: gap between two polls median {statistics.median(answering_gaps):.1f} s, "
          f"99th percentile {answering_gaps[int(len(answering_gaps) * 0.99)]:.1f} s, "
          f"worst {max(answering_gaps):.1f} s ({len(answering_gaps)} gaps, {over} over 12 s)")
    if os.environ.get("FLEET_GAPS"):
        with open(os.environ["FLEET_GAPS"], "w") as out:
            for ip, times in polls.items():
                for a, b in zip(sorted(times), sorted(times)[1:]):
                    out.write(f"{ip} {a:.3f} {b - a:.3f}\n")
    if silent_gaps:
        print(f"silent clocks: gap median {statistics.median(silent_gaps):.1f} s, worst {max(silent_gaps):.1f} s")
    if dead_age:
        print(f"unreachable clocks: oldest status seen {max(dead_age.values()):.1f} s")
    if len(failed) >= 6:
        print(f"clock turned silent: alert due {failed[5] + SILENT_WAIT_S - turned_silent:.1f} s after it fell "
              "silent (sixth failed poll ended)")
    else:
        print(f"clock turned silent: only {len(failed)} failed polls in the window")


def set_addresses(ips, present):
    # Without this, removing a subnet's first address removes every other one too.
    subprocess.run(["ip", "netns", "exec", os.environ["ZENTICK_NETNS_CLOCKS"], "sysctl", "-qw",
                    "net.ipv4.conf.veth-clocks.promote_secondaries=1"], check=False)
    verb = "add" if present else "del"
    batch = "".join(f"addr {verb} {ip}/22 dev veth-clocks\n" for ip in ips)
    subprocess.run(["ip", "-n", os.environ["ZENTICK_NETNS_CLOCKS"], "-force", "-batch", "-"], input=batch,
                   text=True, check=False, capture_output=True)


def powercut(cli, cut, down, parallel):
    from aiosmtpd.controller import Controller

    mails = []

    class Sink:
        async def handle_DATA(self, server, session, envelope):
            text = envelope.content.decode("utf-8", "replace")
            subject = next((l[9:] for l in text.splitlines() if l.startswith("Subject: ")), "")
            mails.append((time.time(), subject, text.count("IP: ")))
            return "250 OK"

    controller = Controller(Sink(), hostname="127.0.0.1", port=SMTP_PORT)
    controller.start()
    fleet = json.load(open(os.environ["ZENTICK_CLOCKSIM_CLOCKS"]))["clocks"]
    victims = [c["ip"] for c in fleet[-cut:]]
    loaded = os.environ.get("FLEET_BOARD_LOAD") == "1"
    if loaded:
        write_busy_journal(answering[0])
    proc = subprocess.Popen([cli, "monitor", "--parallel", str(parallel), "--save-interval", "3600"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(40)  # every clock polled and well
        cut_at = time.time()
        set_addresses(victims, False)
        time.sleep(down)
        set_addresses(victims, True)
        time.sleep(max(0, 600 - (time.time() - cut_at)))
    finally:
        proc.terminate()
        proc.wait()
        controller.stop()
    print(f"power cut of {cut} of {len(fleet)} clocks for {down} s, --parallel {parallel}: "
          f"{len(mails)} mails in the ten minutes after the cut")
    for moment, subject, listed in mails:
        print(f"  +{moment - cut_at:6.1f} s  {subject}  ({listed} clocks listed)")


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "make":
        make(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
    elif len(sys.argv) == 7 and sys.argv[1] == "make":
        make(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), [int(sys.argv[5]), int(sys.argv[6])])
    elif len(sys.argv) == 4 and sys.argv[1] == "list":
        write_list(sys.argv[2], int(sys.argv[3]))
    elif len(sys.argv) == 4 and sys.argv[1] == "monitor":
        monitor(sys.argv[2], int(sys.argv[3]))
    elif len(sys.argv) == 6 and sys.argv[1] == "powercut":
        powercut(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5]))
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)


if __name__ == "__main__":
    main()
