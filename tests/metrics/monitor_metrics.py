#!/usr/bin/python3
"""zentick-cli monitor --metrics against simulated clocks: the scraped values
follow the simulator, a clock made silent goes down within one poll round,
and bad requests are refused without stopping the monitor."""
import json
import os
import signal
import socket
import subprocess
import sys
import time
import urllib.request
import xml.etree.ElementTree as ET

from prometheus_client.parser import text_string_to_metric_families

CLI = os.path.join(os.environ["ZENTICK_BINARY_DIR"], "bin", "zentick-cli")
SIM = os.path.join(os.environ["ZENTICK_BINARY_DIR"], "bin", "zentick-clocksim")
PORT = 9464
DEADLINE_S = 120


def scrape():
    with urllib.request.urlopen(f"http://127.0.0.1:{PORT}/metrics", timeout=10) as reply:
        assert reply.headers["Content-Type"].startswith("text/plain; version=0.0.4"), reply.headers
        text = reply.read().decode()
    samples = {}
    for family in text_string_to_metric_families(text):
        for s in family.samples:
            samples[(s.name, s.labels.get("ip"))] = (s.value, s.labels)
    return samples


def wait_for(condition, what):
    end = time.monotonic() + DEADLINE_S
    while time.monotonic() < end:
        try:
            samples = scrape()
            if condition(samples):
                return samples
        except OSError:
            pass  # not listening yet
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} within {DEADLINE_S} s")


def raw_status(request):
    with socket.create_connection(("127.0.0.1", PORT), timeout=10) as s:
        s.sendall(request)
        return s.makefile("rb").readline().decode().strip()


def write_device_list(clocks):
    """The clocks of the simulator, all in one group, as the window would save them."""
    root = ET.Element("QLXZentick", version="1.00")
    clock_list = ET.SubElement(root, "ClockList", size=str(len(clocks)))
    for i, c in enumerate(clocks):
        element = ET.SubElement(clock_list, "Clock", index=str(i))
        ET.SubElement(element, "Common", groupId="0", name=c["name"], user="admin", password="admin")
        ET.SubElement(element, "Network", ip=c["ip"], port="80")
    group = ET.SubElement(ET.SubElement(root, "GroupList", size="1"), "Group", index="0", name="Floor <1>")
    members = ET.SubElement(group, "ClockList", size=str(len(clocks)))
    for i in range(len(clocks)):
        ET.SubElement(members, "ClockIndex", index=str(i))
    folder = os.path.join(os.environ["XDG_DATA_HOME"], "QLX Devices", "Zentick")
    os.makedirs(folder, exist_ok=True)
    os.makedirs(os.path.join(os.environ["XDG_CONFIG_HOME"], "QLX Devices"), exist_ok=True)
    ET.ElementTree(root).write(os.path.join(folder, "settings.xml"), encoding="utf-8", xml_declaration=True)
    # The value report on, so that its first run is counted.
    with open(os.path.join(os.environ["XDG_CONFIG_HOME"], "QLX Devices", "Zentick.ini"), "w") as ini:
        report = os.path.join(os.environ["ZENTICK_NETNS_RUN_DIR"], "report.xlsx")
        ini.write(f"[Report]\nenabled=true\nfilepath={report}\n")


def main():
    clocks = json.load(open(os.environ["ZENTICK_CLOCKSIM_CLOCKS"]))["clocks"]
    write_device_list(clocks)
    monitor = subprocess.Popen([CLI, "monitor", "--metrics", str(PORT)], stdout=subprocess.DEVNULL)
    try:
        check(monitor, clocks)
    finally:
        monitor.kill()
    print("metrics follow the simulator; bad requests refused; clean stop")


def check(monitor, clocks):
    ips = [c["ip"] for c in clocks]
    s = wait_for(lambda s: all(("zentick_clock_up", ip) in s for ip in ips)
                 and s[("zentick_monitor_report_writes_total", None)][0] == 1, "every clock polled, a report written")

    assert s[("zentick_clock_up", ips[0])][0] == 1, s
    assert s[("zentick_clock_up", ips[2])][0] == 0 and s[("zentick_clock_ntp_state", ips[2])][0] == 6, s
    assert s[("zentick_clock_up", ips[0])][1] == {"name": 'Lobby "east"', "ip": ips[0], "group": "Floor <1>"}, s
    assert s[("zentick_clock_temperature_celsius", ips[0])][0] == 21.5, s
    # The second clock shows Fahrenheit; the metric stays in Celsius.
    assert abs(s[("zentick_clock_temperature_celsius", ips[1])][0] - 20.0) < 0.01, s

    subprocess.run([SIM, "--control", os.environ["ZENTICK_CLOCKSIM_CONTROL"], "--ask",
                    'faults 1 {"silent": true}'], check=True, stdout=subprocess.DEVNULL)
    rounds = scrape()[("zentick_monitor_poll_rounds_total", None)][0]
    s = wait_for(lambda s: s[("zentick_monitor_poll_rounds_total", None)][0] >= rounds + 2, "two more poll rounds")
    assert s[("zentick_clock_up", ips[1])][0] == 0 and s[("zentick_clock_ntp_state", ips[1])][0] == 3, s
    assert s[("zentick_monitor_polls_failed_total", None)][0] >= 2, s

    for request, status in [(b"GET /nothing HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found"),
                            (b"\x00\xff garbage\r\n\r\n", "HTTP/1.1 400 Bad Request"),
                            (b"GET /metrics HTTP/1.1\r\nX: " + b"a" * (1 << 20) + b"\r\n\r\n",
                             "HTTP/1.1 431 Request Header Fields Too Large")]:
        got = raw_status(request)
        assert got == status, (request[:30], got)
    assert monitor.poll() is None, "the monitor stopped"
    scrape()

    monitor.send_signal(signal.SIGTERM)
    assert monitor.wait(timeout=30) == 0


if __name__ == "__main__":
    main()
