#!/usr/bin/python3
"""Two sites, each with simulated clocks and its own zentick-cli monitor in
private namespaces, scraped by one real Prometheus with the shipped rules and
routed by one real Alertmanager with the shipped routing to a webhook that
records what it gets. Cuts clocks at site A and stops site B's monitor, then
brings everything back, and checks the notifications.

  stack_e2e.py [--shipped-intervals] [--clocks-a N] [--cut N] [--fault refuse|silent]

The test's copies shorten the scrape, evaluation and group intervals;
--shipped-intervals keeps them as shipped and prints how long a cut took to
reach the webhook. --clocks-a and --cut scale site A (a power cut); a cut
clock refuses connections, or with --fault silent accepts and never answers.
Needs root (namespaces); exits 77 without it."""
import argparse, ctypes, json, os, signal, socket, subprocess, sys, tempfile, time, urllib.parse
import xml.etree.ElementTree as ET

import yaml

SOURCE = os.environ.get("ZENTICK_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
BINARY = os.environ.get("ZENTICK_BINARY_DIR", os.path.join(SOURCE, "build"))
CLI = os.path.join(BINARY, "bin", "zentick-cli")
SIM = os.path.join(BINARY, "bin", "zentick-clocksim")
NETNS_RUN = os.path.join(SOURCE, "tests", "netns", "netns-run.sh")
SHIPPED = os.path.join(SOURCE, "packaging", "prometheus")
METRICS_PORT = 9464
PROMETHEUS, ALERTMANAGER, WEBHOOK = "127.0.0.1:9090", "127.0.0.1:9093", "127.0.0.1:5001"
PR_SET_PDEATHSIG = 1


def die_with_parent():
    # Killed outright (a CTest time-out), the harness takes its servers along.
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def ip(*args):
    subprocess.run(["ip", *args], check=True)


def wait_for(condition, what, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.5)
    sys.exit(f"FAIL: {what} within {seconds} s")


class Stack:
    def __init__(self, work, shipped_intervals):
        self.work = work
        self.shipped = shipped_intervals
        self.processes = []
        self.sites = {}
        self.ns = f"ztk-stack-{os.getpid()}"
        self.log = os.path.join(work, "notifications.jsonl")

    def spawn(self, argv, name, **kwargs):
        out = open(os.path.join(self.work, name + ".log"), "w")
        process = subprocess.Popen(argv, stdout=out, stderr=subprocess.STDOUT, preexec_fn=die_with_parent, **kwargs)
        self.processes.append(process)
        return process

    def in_stack(self, argv, name):
        return self.spawn(["ip", "netns", "exec", self.ns, *argv], name)

    def start_namespace(self):
        for stale in subprocess.run(["ip", "netns", "list"], capture_output=True, text=True).stdout.split():
            if stale.startswith("ztk-stack-") and stale[10:].isdigit() and not os.path.exists(f"/proc/{stale[10:]}"):
                subprocess.run(["ip", "netns", "del", stale])
        ip("netns", "add", self.ns)
        ip("-n", self.ns, "link", "set", "lo", "up")

    def add_site(self, name, number, clocks):
        """Simulated clocks and a pc namespace from netns-run.sh, joined to the
        stack namespace by a link of its own: 10.231.N.1 (stack) to .2 (site)."""
        home = os.path.join(self.work, "site-" + name)
        ips = write_site(home, name, number, clocks)
        env_file = os.path.join(self.work, f"site-{name}.env")
        keeper = f'env -0 > "{env_file}.new" && mv "{env_file}.new" "{env_file}" && exec cat >/dev/null'
        runner = subprocess.Popen([NETNS_RUN, "--sim", SIM, "--clocks", os.path.join(home, "clocks.json"),
                                   "--prefix", "22", "--addresses", f"{ips[0]}-{ips[-1]}",
                                   "--", "/bin/sh", "-c", keeper],
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(env_file) or runner.poll() is not None, f"site {name}'s namespaces", 60)
        if runner.poll() is not None:
            sys.exit(runner.returncode if runner.returncode == 77 else f"FAIL: netns-run for site {name}")
        env = dict(item.split("=", 1) for item in open(env_file).read().split("\0") if "=" in item)
        pc = env["ZENTICK_NETNS_PC"]
        stack_end, site_end = f"zs{number}-{os.getpid()}"[:15], f"zm{number}-{os.getpid()}"[:15]
        ip("link", "add", stack_end, "netns", self.ns, "type", "veth", "peer", "name", site_end, "netns", pc)
        ip("-n", self.ns, "addr", "add", f"10.231.{number}.1/30", "dev", stack_end)
        ip("-n", self.ns, "link", "set", stack_end, "up")
        ip("-n", pc, "addr", "add", f"10.231.{number}.2/30", "dev", site_end)
        ip("-n", pc, "link", "set", site_end, "up")
        self.sites[name] = {"runner": runner, "env": env, "pc": pc, "home": home, "monitor": None,
                            "address": f"10.231.{number}.2:{METRICS_PORT}", "clocks": clocks}

    def start_monitor(self, name):
        site = self.sites[name]
        env = dict(os.environ, XDG_CONFIG_HOME=site["home"] + "/config", XDG_DATA_HOME=site["home"] + "/data",
                   HOME=site["home"])
        site["monitor"] = self.spawn(["ip", "netns", "exec", site["pc"], CLI, "monitor", "--mail", "off",
                                      # The simulated clocks keep Central European time: no audit findings.
                                      "--site-zone", "Europe/Berlin", "--metrics", site["address"]], f"monitor-{name}", env=env)

    def stop_monitor(self, name):
        monitor = self.sites[name]["monitor"]
        monitor.send_signal(signal.SIGTERM)
        assert monitor.wait(timeout=30) == 0, f"monitor {name} did not stop cleanly"

    def sim(self, name, commands):
        """Commands to the site's simulator over one control connection, so
        that a cut of hundreds of clocks happens at once."""
        with socket.socket(socket.AF_UNIX) as control:
            control.connect(self.sites[name]["env"]["ZENTICK_CLOCKSIM_CONTROL"])
            control.sendall("".join(c + "\n" for c in commands).encode())
            replies = control.makefile().readline
            for command in commands:
                reply = json.loads(replies())
                assert "error" not in reply, (command, reply)

    def start_servers(self):
        sites_dir = os.path.join(self.work, "sites")
        os.makedirs(sites_dir)
        for name, site in self.sites.items():
            with open(os.path.join(sites_dir, f"site-{name}.yml"), "w") as f:
                yaml.safe_dump([{"targets": [site["address"]], "labels": {"site": name}}], f)

        prometheus = yaml.safe_load(open(os.path.join(SHIPPED, "prometheus.yml")))
        if not self.shipped:
            prometheus["global"] = {"scrape_interval": "1s", "evaluation_interval": "1s"}
            prometheus["scrape_configs"][0]["scrape_timeout"] = "1s"
        prometheus["rule_files"] = [os.path.join(SHIPPED, "zentick-rules.yml")]
        prometheus["alerting"]["alertmanagers"][0]["static_configs"][0]["targets"] = [ALERTMANAGER]
        prometheus["scrape_configs"][0]["file_sd_configs"][0]["files"] = [sites_dir + "/*.yml"]
        routing = yaml.safe_load(open(os.path.join(SHIPPED, "alertmanager.yml")))
        # Nothing listens for the mails: only the webhook is looked at.
        routing["global"].update(smtp_smarthost="127.0.0.1:2525", smtp_require_tls=False)
        if not self.shipped:
            # Longer than the spread of clocks cut together falling due.
            routing["route"].update(group_wait="12s", group_interval="2s")
        for receiver in routing["receivers"]:
            for hook in receiver.get("webhook_configs", []):
                hook["url"] = f"http://{WEBHOOK}/zentick"
        for name, config in (("prometheus.yml", prometheus), ("alertmanager.yml", routing)):
            with open(os.path.join(self.work, name), "w") as f:
                yaml.safe_dump(config, f)
        subprocess.run(["promtool", "check", "config", os.path.join(self.work, "prometheus.yml")], check=True,
                       stdout=subprocess.DEVNULL)

        host, port = WEBHOOK.split(":")
        self.in_stack(["/usr/bin/python3", os.path.join(os.path.dirname(__file__), "webhook_recorder.py"), host, port,
                       self.log], "webhook")
        self.in_stack(["prometheus-alertmanager", "--config.file", os.path.join(self.work, "alertmanager.yml"),
                       "--storage.path", os.path.join(self.work, "am"), "--web.listen-address", ALERTMANAGER,
                       "--cluster.listen-address", ""], "alertmanager")
        self.in_stack(["prometheus", "--config.file", os.path.join(self.work, "prometheus.yml"),
                       "--storage.tsdb.path", os.path.join(self.work, "tsdb"), "--web.listen-address", PROMETHEUS],
                      "prometheus")

    def query(self, expression):
        """An instant query, asked inside the stack namespace."""
        url = f"http://{PROMETHEUS}/api/v1/query?" + urllib.parse.urlencode({"query": expression})
        fetch = "import sys, urllib.request; sys.stdout.write(urllib.request.urlopen(sys.argv[1], timeout=5).read().decode())"
        reply = subprocess.run(["ip", "netns", "exec", self.ns, "/usr/bin/python3", "-c", fetch, url],
                               capture_output=True, text=True)
        if reply.returncode != 0:
            return []
        return json.loads(reply.stdout)["data"]["result"]

    def notifications(self):
        if not os.path.exists(self.log):
            return []
        return [json.loads(line) for line in open(self.log)]

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
        for process in self.processes:
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        for site in self.sites.values():
            site["runner"].stdin.close()
            site["runner"].wait(timeout=30)
        subprocess.run(["ip", "netns", "del", self.ns], stderr=subprocess.DEVNULL)


def write_site(home, site, number, count):
    """The simulator's clock file and the monitor's device list of one site;
    returns the clocks' addresses."""
    ips = [f"192.168.{(10 + i) // 256}.{(10 + i) % 256}" for i in range(count)]
    names = [f"{site.upper()}-{i + 1}" for i in range(count)]
    folder = os.path.join(home, "data", "QLX Devices", "Zentick")
    os.makedirs(folder, exist_ok=True)
    os.makedirs(os.path.join(home, "config"), exist_ok=True)
    with open(os.path.join(home, "clocks.json"), "w") as f:
        json.dump({"clocks": [{"ip": a, "mac": f"02-5B-{number:02X}-00-{i >> 8:02X}-{i & 255:02X}", "user": "admin",
                               "password": "admin", "name": n} for i, (a, n) in enumerate(zip(ips, names))]}, f)
    root = ET.Element("QLXZentick", version="1.00")
    clocks = ET.SubElement(root, "ClockList", size=str(count))
    for i, (a, n) in enumerate(zip(ips, names)):
        element = ET.SubElement(clocks, "Clock", index=str(i))
        # Site a's clocks told their firmware when found; site b's never did.
        ET.SubElement(element, "Common", groupId="0", name=n, user="admin", password="admin",
                      **({"productCode": "QM01", "firmware": "105"} if site == "a" else {}))
        ET.SubElement(element, "Network", ip=a, port="80")
    ET.ElementTree(root).write(os.path.join(folder, "settings.xml"), encoding="utf-8", xml_declaration=True)
    return ips


def check_dashboard(stack):
    """Every query of the shipped dashboard, its site list's included, returns
    data for every site from this Prometheus with the shipped rules."""
    dashboard = json.load(open(os.path.join(SHIPPED, "zentick-dashboard.json")))
    site_list = next(v for v in dashboard["templating"]["list"] if v["name"] == "site")["definition"]
    queries = [site_list.replace("label_values(", "group by (site) (").replace(", site)", ")")]
    queries += [t["expr"] for p in dashboard["panels"] for t in p.get("targets", [])]
    for site, query in [(site, q.replace("$site", site)) for site in stack.sites for q in queries]:
        wait_for(lambda: [r for r in stack.query(query) if r["metric"].get("site") == site],
                 f"data at site {site} for the dashboard's {query}", 60)


def firing(notes, **labels):
    return [n for n in notes if n["status"] == "firing" and all(n["groupLabels"].get(k) == v for k, v in labels.items())]


def clock_names(note):
    return sorted(a["labels"].get("name") for a in note["alerts"] if a["status"] == "firing")


def run(stack, clocks_a, cut, fault):
    stack.start_namespace()
    stack.add_site("a", 1, clocks_a)
    stack.add_site("b", 2, 3)
    for name in stack.sites:
        stack.start_monitor(name)
    stack.start_servers()
    total = clocks_a + 3
    wait_for(lambda: stack.query('count(zentick_clock_up{job="zentick"} == 1)') and
             int(stack.query('count(zentick_clock_up{job="zentick"} == 1)')[0]["value"][1]) == total,
             "both sites scraped with every clock answering", 120)
    assert stack.notifications() == [], stack.notifications()
    check_dashboard(stack)

    # A's clocks lose power; B's monitor stops.
    started = time.time()
    stack.sim("a", [f'faults {i} {{"{fault}": true}}' for i in range(cut)])
    stack.stop_monitor("b")
    first = wait_for(lambda: firing(stack.notifications(), site="a"), "a notification for site a", 300)[0]
    print(f"cut to the first notification: {first['receivedAt'] - started:.1f} s, "
          f"naming {len(clock_names(first))} of {cut} clocks", flush=True)
    cut_names = sorted(f"A-{i + 1}" for i in range(cut))
    # Clocks that fall due after the group's first notification come with its next one.
    note = wait_for(lambda: [n for n in firing(stack.notifications(), site="a") if clock_names(n) == cut_names],
                    f"one notification for site a naming the {cut} clocks", 600 if stack.shipped else 120)[0]
    print(f"cut to a notification naming all {cut}: {note['receivedAt'] - started:.1f} s", flush=True)
    wait_for(lambda: firing(stack.notifications(), site="b"), "the notification for site b", 240)
    notes = stack.notifications()
    a_groups = {n["groupKey"] for n in firing(notes, site="a")}
    assert len(a_groups) == 1 and note["groupLabels"]["alertname"] == "ZentickClockAlerting", notes
    print(f"site a: {len(firing(notes, site='a'))} notification(s) of one group; "
          f"the first named {len(clock_names(firing(notes, site='a')[0]))} clock(s)", flush=True)
    b_alerts = {(a["labels"]["alertname"], a["labels"].get("name")) for n in firing(notes, site="b") for a in n["alerts"]}
    assert b_alerts == {("ZentickMonitorDown", None)}, b_alerts

    # Everything back: resolved notifications for both sites.
    stack.sim("a", ["reset"])
    stack.start_monitor("b")
    for site, alertname in (("a", "ZentickClockAlerting"), ("b", "ZentickMonitorDown")):
        wait_for(lambda: [n for n in stack.notifications() if n["status"] == "resolved"
                          and n["groupLabels"] == {"site": site, "alertname": alertname}],
                 f"the resolved notification of {alertname} at site {site}", 420 if stack.shipped else 180)
    notes = stack.notifications()
    assert all(a["labels"]["alertname"] == "ZentickMonitorDown" for n in notes
               if n["groupLabels"]["site"] == "b" for a in n["alerts"]), notes
    print(f"PASS: {len(notes)} notifications", flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--shipped-intervals", action="store_true")
    parser.add_argument("--clocks-a", type=int, default=5)
    parser.add_argument("--cut", type=int, default=3)
    parser.add_argument("--fault", choices=("refuse", "silent"), default="refuse")
    args = parser.parse_args()
    if os.geteuid() != 0:
        print("stack_e2e: needs root for network namespaces; skipping", file=sys.stderr)
        sys.exit(77)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    with tempfile.TemporaryDirectory(prefix="zentick-stack.") as work:
        stack = Stack(work, args.shipped_intervals)
        try:
            run(stack, args.clocks_a, args.cut, args.fault)
        except BaseException:
            for name in ("prometheus", "alertmanager", "monitor-a", "monitor-b"):
                path = os.path.join(work, name + ".log")
                if os.path.exists(path):
                    print(f"--- {name} (last lines) ---\n" + "".join(open(path).readlines()[-15:]), file=sys.stderr)
            raise
        finally:
            stack.stop()


if __name__ == "__main__":
    main()
