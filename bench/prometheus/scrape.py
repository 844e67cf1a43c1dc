#!/usr/bin/env python3
"""In the "pc" namespace of tests/netns/netns-run.sh: a monitor of every
simulated clock (in groups of twenty, with names of realistic length), and
its /metrics page timed once every clock has been polled.
  scrape.py CLI CLOCKS SCRAPES"""
import gzip, os, statistics, subprocess, sys, time, urllib.request
import xml.etree.ElementTree as ET

PORT = 9465


def write_list(count):
    root = ET.Element("QLXZentick", version="1.00")
    clocks = ET.SubElement(root, "ClockList", size=str(count))
    for i in range(count):
        element = ET.SubElement(clocks, "Clock", index=str(i))
        ET.SubElement(element, "Common", groupId=str(i // 20), name=f"Building 3 floor {i // 20} room {i % 20}",
                      user="admin", password="admin")
        ET.SubElement(element, "Network", ip=f"192.168.{(10 + i) // 256}.{(10 + i) % 256}", port="80")
    groups = ET.SubElement(root, "GroupList", size=str((count + 19) // 20))
    for g in range((count + 19) // 20):
        group = ET.SubElement(groups, "Group", index=str(g), name=f"Building 3 floor {g}")
        members = ET.SubElement(group, "ClockList", size=str(min(20, count - 20 * g)))
        for i in range(20 * g, min(count, 20 * g + 20)):
            ET.SubElement(members, "ClockIndex", index=str(i))
    folder = os.path.join(os.environ["XDG_DATA_HOME"], "QLX Devices", "Zentick")
    os.makedirs(folder, exist_ok=True)
    ET.ElementTree(root).write(os.path.join(folder, "settings.xml"), encoding="utf-8", xml_declaration=True)


def scrape():
    started = time.perf_counter()
    with urllib.request.urlopen(f"http://127.0.0.1:{PORT}/metrics", timeout=10) as reply:
        page = reply.read()
    return time.perf_counter() - started, page


def main():
    cli, count, scrapes = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    write_list(count)
    monitor = subprocess.Popen([cli, "monitor", "--mail", "off", "--metrics", str(PORT)], stdout=subprocess.DEVNULL)
    try:
        end = time.monotonic() + 120
        while time.monotonic() < end:
            try:
                if scrape()[1].count(b"\nzentick_clock_up{") == count:
                    break
            except OSError:
                pass
            time.sleep(1)
        else:
            sys.exit("not every clock polled within 120 s")
        times, page = [], b""
        for _ in range(scrapes):
            seconds, page = scrape()
            times.append(seconds * 1000)
            time.sleep(0.2)
        lines = page.count(b"\n")
        print(f"{count} clocks, {scrapes} scrapes: median {statistics.median(times):.1f} ms, "
              f"max {max(times):.1f} ms, page {len(page)} bytes ({len(page) / 1024:.0f} kB), "
              f"{lines} lines, {len(gzip.compress(page)) / 1024:.0f} kB gzipped")
    finally:
        monitor.terminate()
        monitor.wait()


if __name__ == "__main__":
    main()
