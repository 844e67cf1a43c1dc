#!/usr/bin/python3
"""zentick-cli monitor --metrics against simulated clocks: the scraped values
follow the simulator, a clock made silent goes down within one poll round,
and the page is what Prometheus wants (the listener's answers to bad
requests are tst_metrics' rows)."""
import json, os, signal, subprocess, sys, time, urllib.request
import xml.etree.ElementTree as ET

from prometheus_client.parser import text_string_to_metric_families

CLI = os.path.join(os.environ["ZENTICK_BINARY_DIR"], "bin", "zentick-cli")
SIM = os.path.join(os.environ["ZENTICK_BINARY_DIR"], "bin", "zentick-clocksim")
PORT = 9464
DEADLINE_S = 120


def scrape():
    with urllib.request.urlopen(f"http://127.0.0.1:{PORT}/metrics", timeout=10) as reply:
        assert reply.headers["Content-Type"].startswith("text/plain; version=0.0.4"), reply.headers
        families = text_string_to_metric_families(reply.read().decode())
    return {(s.name, s.labels.get("ip"), s.labels.get("occurrence")): (s.value, s.labels)
            for family in families for s in family.samples}


def wait_for(condition, what):
    end = time.monotonic() + DEADLINE_S
    while time.monotonic() < end:
        try:
            if condition(samples := scrape()):
                return samples
        except OSError:  # not listening yet
            pass
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} within {DEADLINE_S} s")


def write_device_list(clocks):
    root = ET.Element("QLXZentick", version="1.00")
    clock_list = ET.SubElement(root, "ClockList", size=str(len(clocks)))
    for i, c in enumerate(clocks):
        element = ET.SubElement(clock_list, "Clock", index=str(i))
        # The first clock's identity as discovery keeps it; the others never told theirs.
        identity = {"firmware": "105", "productCode": "QM03", "deviceCode": 'D"7'} if i == 0 else {}
        ET.SubElement(element, "Common", groupId="0", name=c["name"], user="admin", password="admin", **identity)
        ET.SubElement(element, "Network", ip=c["ip"], port="80", **({"mac": c["mac"]} if i == 0 else {}))
    group = ET.SubElement(ET.SubElement(root, "GroupList", size="1"), "Group", index="0", name="Floor <1>")
    members = ET.SubElement(group, "ClockList", size=str(len(clocks)))
    for i in range(len(clocks)):
        ET.SubElement(members, "ClockIndex", index=str(i))
    data, config = (os.path.join(os.environ[v], "QLX Devices") for v in ("XDG_DATA_HOME", "XDG_CONFIG_HOME"))
    os.makedirs(os.path.join(data, "Zentick"), exist_ok=True)
    os.makedirs(config, exist_ok=True)
    ET.ElementTree(root).write(os.path.join(data, "Zentick", "settings.xml"), encoding="utf-8", xml_declaration=True)
    # The value report on, so that its first run is counted.
    with open(os.path.join(config, "Zentick.ini"), "w") as ini:
        ini.write(f"[Report]\nenabled=true\nfilepath={os.environ['ZENTICK_NETNS_RUN_DIR']}/report.xlsx\n")


def main():
    clocks = json.load(open(os.environ["ZENTICK_CLOCKSIM_CLOCKS"]))["clocks"]
    write_device_list(clocks)
    monitor = subprocess.Popen([CLI, "monitor", "--metrics", str(PORT)], stdout=subprocess.DEVNULL)
    try:
        check(monitor, clocks)
    finally:
        monitor.kill()


def check(monitor, clocks):
    ips = [c["ip"] for c in clocks]
    up, ntp, rounds = "zentick_clock_up", "zentick_clock_ntp_state", "zentick_monitor_poll_rounds_total"
    # One up series per clock: two clocks share an address, so count them.
    s = wait_for(lambda s: sum(key[0] == up for key in s) == len(clocks)
                 and s[("zentick_monitor_report_writes_total", None, None)][0] == 1, "all polled, a report written")

    assert s[(up, ips[0], None)] == (1, {"name": clocks[0]["name"], "ip": ips[0], "group": "Floor <1>"}), s
    assert s[(up, ips[2], None)][0] == 0 and s[(ntp, ips[2], None)][0] == 6, s
    # The inventory read back by Prometheus' own parser, the hostile name included.
    assert s[("zentick_clock_info", ips[0], None)] == (1, {
        "name": clocks[0]["name"], "ip": ips[0], "group": "Floor <1>", "model": "QM03", "firmware": "1.05",
        "mac": clocks[0]["mac"], "device_code": 'D"7'}), s
    assert [s[("zentick_clock_info", ips[2], None)][1][k] for k in ("model", "firmware", "mac")] == ["", "", ""], s
    # Two clocks on one address with one name stay two series.
    assert s[(up, ips[4], "2")][1]["name"] == "Fresh", s
    assert s[("zentick_clock_temperature_celsius", ips[0], None)][0] == 21.5, s
    # The second clock shows Fahrenheit; the metric stays in Celsius.
    assert abs(s[("zentick_clock_temperature_celsius", ips[1], None)][0] - 20.0) < 0.01, s

    subprocess.run([SIM, "--control", os.environ["ZENTICK_CLOCKSIM_CONTROL"], "--ask",
                    'faults 1 {"silent": true}'], check=True, stdout=subprocess.DEVNULL)
    begun = scrape()[(rounds, None, None)][0]
    # Its poll in flight when it fell silent may have started before; the
    # next one, within the round after, fails after the silent wait.
    s = wait_for(lambda s: s[(up, ips[1], None)][0] == 0 or s[(rounds, None, None)][0] >= begun + 3,
                 "the silent clock down, or three more poll rounds")
    assert s[(up, ips[1], None)][0] == 0 and s[(ntp, ips[1], None)][0] == 3, s
    assert s[("zentick_monitor_polls_failed_total", None, None)][0] >= 2, s

    # Names, types and help texts as Prometheus wants them; the judgement beside the state.
    with urllib.request.urlopen(f"http://127.0.0.1:{PORT}/metrics", timeout=10) as reply:
        page = reply.read()
    lint = subprocess.run(["promtool", "check", "metrics"], input=page, capture_output=True)
    assert lint.returncode == 0 and not lint.stdout and not lint.stderr, lint
    # Not yet six failed polls for anyone: no alert is due (stack_e2e.py sees them fall due).
    assert b"# TYPE zentick_clock_alerting gauge" in page and b"\nzentick_clock_alerting{" not in page, page
    assert s[("zentick_build_info", None, None)][0] == 1, s
    assert b'zentick_monitor_exchanges_in_flight{lane="retry"}' in page and b"site=" not in page, page

    assert monitor.poll() is None, "the monitor stopped"

    monitor.send_signal(signal.SIGTERM)
    assert monitor.wait(timeout=30) == 0


if __name__ == "__main__":
    main()
