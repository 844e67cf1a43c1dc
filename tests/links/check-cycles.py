#!/usr/bin/env python3
"""Fails when files of one library include each other in a circle.

A class and its header are one unit; A depends on B when A's header or
source includes B's header. A circle means neither can be understood, tested
or moved without the other, which is what the floors are there to prevent
between libraries."""
import os
import re
import subprocess
import sys

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
os.chdir(root)
skip = {"tests", "bench", "fuzz", "apps", "packaging", "manual", "docs", "scripts", "cmake"}
files = subprocess.run(["git", "ls-files", "*.h", "*.cpp"], capture_output=True, text=True, check=True).stdout.split()
tracked = set(files)
include = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)

units = {}  # library -> unit -> set of included units of that library
for path in files:
    top = path.split("/", 1)[0]
    if top in skip or "/" not in path:
        continue
    stem = os.path.splitext(path)[0]
    units.setdefault(top, {}).setdefault(stem, set())

for path in files:
    top = path.split("/", 1)[0]
    if top not in units:
        continue
    stem = os.path.splitext(path)[0]
    with open(path, encoding="utf-8", errors="replace") as f:
        for name in include.findall(f.read()):
            # Includes name their folder from the project root.
            target = os.path.splitext(name)[0] if name.split("/", 1)[0] == top and name in tracked else None
            if target and target != stem:
                units[top][stem].add(target)

bad = False
for top, graph in sorted(units.items()):
    # Tarjan's strongly connected components, iteratively.
    index, low, on, stack, order, counter = {}, {}, set(), [], [], [0]
    for start in sorted(graph):
        if start in index:
            continue
        work = [(start, iter(sorted(graph[start])))]
        index[start] = low[start] = counter[0]; counter[0] += 1
        stack.append(start); on.add(start)
        while work:
            node, edges = work[-1]
            for nxt in edges:
                if nxt not in index:
                    index[nxt] = low[nxt] = counter[0]; counter[0] += 1
                    stack.append(nxt); on.add(nxt)
                    work.append((nxt, iter(sorted(graph[nxt]))))
                    break
                if nxt in on:
                    low[node] = min(low[node], index[nxt])
            else:
                work.pop()
                if work:
                    low[work[-1][0]] = min(low[work[-1][0]], low[node])
                if low[node] == index[node]:
                    component = []
                    while True:
                        member = stack.pop(); on.discard(member); component.append(member)
                        if member == node:
                            break
                    if len(component) > 1:
                        bad = True
                        print("include circle in %s/: %s" % (top, " <-> ".join(sorted(component))))
sys.exit(1 if bad else 0)
