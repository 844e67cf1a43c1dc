#!/usr/bin/env python3
"""Gathers the figures of bench/scale/scale.sh's log into one table.
   table.py LOG LOAD_BEFORE LOAD_AFTER"""
import re
import sys

log = open(sys.argv[1], encoding="utf-8").read()

# (path, figure's name, pattern whose groups make the figure, how, goal)
ROWS = [
    ("discovery", "2000 clocks on one /21", r"every clock found in (\d+) of (\d+) runs", "{0} of {1} runs complete",
     "5 of 5"),
    ("discovery", "whole search", r"whole search:\s+(.*)", "{0}", "-"),
    ("audit", "start-up audit", r"start-up audit over (\d+) s", "{0} s", "-"),
    ("audit", "memory over the monitor's own",
     r"start-up audit: resident memory at most (\d+) MB, (-?\d+) MB over", "{1} MB (peak {0} MB)", "<= 120 MB"),
    ("audit", "poll gap p99 while it runs", r"while the audit ran .*?99th percentile ([\d.]+) s", "{0} s",
     "<= 12 s"),
    ("state file", "load", r"load \(read and parse\)\s+median\s+([\d.]+) ms", "{0} ms", "<= 1000 ms"),
    ("state file", "save", r"save \(build, write, sync, rename\)\s+median\s+([\d.]+) ms", "{0} ms", "<= 1000 ms"),
    ("start-up", "first painted frame", r"first painted frame\s+([\d.]+) ms", "{0} ms", "<= 1000 ms"),
    ("board API", "complete list built (CPU)", r"complete list, again .*?build\+gzip\s+[\d.]+ ms \(CPU\s+([\d.]+)\)",
     "{0} ms", "<= 100 ms"),
    ("board API", "complete list on the wire", r"complete list, again .*?([\d.]+) kB on the wire", "{0} kB",
     "<= 200 kB"),
    ("board API", "steady ?since= answer", r"since, a tenth polled, nothing else new .*?([\d.]+) kB on the wire",
     "{0} kB", "<= 20 kB"),
    ("board API", "30 boards' answers", r"30 boards polling .*?: ([\d.]+) % of a core", "{0} % of a core",
     "<= +3 %"),
    ("board", "30 boards, churning fleet: CPU, polls",
     r"monitor CPU: .*?\(\+(-?[\d.]+) %\); their polls meanwhile: (\d+) answered, (\d+) failed",
     "+{0} % of a core, {2} of {1} failed", "<= +3 %, 0 failed"),
    ("board", "complete list, churning fleet", r"on the wire \(gzip\): complete list ([\d.]+) kB", "{0} kB",
     "<= 200 kB"),
    ("value report", "10 000 sheets x 50 rows, cold tick",
     r"cold\s+tick: total\s+([\d.]+) ms .*?peak memory\s+([\d.]+) MiB", "{0} ms, peak {1} MiB",
     "<= 60 000 ms, <= 300 MB"),
    ("cli", "list", r"cli list: (\d+) ms", "{0} ms", "<= 1000 ms"),
    ("cli", "--json list", r"cli json list: (\d+) ms", "{0} ms", "<= 2000 ms"),
    ("cli", "export (list --csv -o)", r"cli export: (\d+) ms", "{0} ms", "<= 2000 ms"),
    ("cli", "import of a 10 000-row plan", r"cli import of 10000 rows: (\d+) ms", "{0} ms", "<= 60 000 ms"),
    ("device list", "shown", r"10000 clocks shown: ([\d.]+) ms", "{0} ms", "<= 1000 ms"),
    ("device list", "filter, longest key", r"filter .* longest ([\d.]+) ms per key", "{0} ms", "-"),
    ("group page", "built and entered", r"group page \(\d+ groups\) built and entered: ([\d.]+) ms", "{0} ms",
     "<= 1000 ms"),
    ("group page", "sorted by name", r"group page sorted by Name: ([\d.]+) ms", "{0} ms", "-"),
    ("incident mail", "3000 clocks: size, longest line",
     r"naming 3000 clocks: composed in ([\d.]+) ms, ([\d.]+) kB on the wire.*longest line (\d+)",
     "{1} kB, line {2}, {0} ms", "<= 1024 kB, <= 998"),
    ("polling", "gap p99 (answering clocks)", r"gap between two polls median [\d.]+ s, 99th percentile ([\d.]+) s",
     "{0} s", "<= 12 s"),
    ("polling", "monitor CPU", r"monitor CPU at steady state: ([\d.]+) %", "{0} % of a core", "<= 15 %"),
]

print(f"machine load average (1, 5, 15 min) before: {sys.argv[2]}, after: {sys.argv[3]}")
width = (14, 38, 36)
print(f"{'path':<{width[0]}} {'figure':<{width[1]}} {'measured':<{width[2]}} goal")
for path, name, pattern, how, goal in ROWS:
    found = re.search(pattern, log)
    measured = how.format(*found.groups()) if found else "not measured"
    print(f"{path:<{width[0]}} {name:<{width[1]}} {measured:<{width[2]}} {goal}")
