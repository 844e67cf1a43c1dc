#!/usr/bin/env python3
"""Runs the shell sessions a document shows and compares what they print.

    scripts/check-doc-sessions.py DOCUMENT CLOCKS

Run inside the "pc" namespace of tests/netns/netns-run.sh while the simulator
serves CLOCKS (a path from the top of the tree). A session is an indented
block whose first line is "$ tests/netns/netns-run.sh ... --clocks CLOCKS --
bash"; only the sessions of CLOCKS are run. Every later "$ " line is run with
bash in a scratch folder, with "build/bin/" standing for the binaries of
$ZENTICK_BINARY_DIR and a device list of its own, standard error after
standard output; the lines below it are what it must print. A line "..."
stands for any number of lines. Dates, times and a clock's distance from
its zone are compared by their shape only. "export" lines are skipped: the
scratch folder has its own settings.
Exit status 0 when every session printed what the document says, 1 when not,
2 for bad usage.
"""

import os
import re
import subprocess
import sys
import tempfile

SESSION = re.compile(r"^\$ tests/netns/netns-run\.sh .*--clocks (\S+) -- bash$")
# 06.12.2026 23:19:16, 2026-12-07 14:45, 2027-03-28 03:00, 10:00:00
TIMES = [re.compile(r"\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d"), re.compile(r"\d{4}-\d\d-\d\d[ T]\d\d:\d\d(:\d\d)?"),
         re.compile(r"\b\d\d:\d\d:\d\d\b"),
         # How far a clock on a fixed offset is from a zone today: 1:00 in
         # winter is 2:00 in summer.
         re.compile(r"\b\d{1,2}:\d\d(?= (behind|ahead)\b)")]


def shape(line):
    for pattern in TIMES:
        line = pattern.sub(lambda m: re.sub(r"\d", "#", m.group(0)), line)
    return line.rstrip()


def sessions(text, clocks):
    """Each session of clocks: a list of (command, expected lines, line number)."""
    found = []
    block = None
    for number, raw in enumerate(text.splitlines(), 1):
        indented = raw.startswith("    ")
        line = raw[4:] if indented else raw
        if not indented and line.strip():
            block = None
            continue
        if not indented:
            continue
        match = SESSION.match(line)
        if match:
            block = [] if match.group(1) == clocks else None
            if block is not None:
                found.append(block)
            continue
        if block is None:
            continue
        if line.startswith("$ "):
            block.append((line[2:], [], number))
        elif block:
            block[-1][1].append(line)
    return found


def matches(expected, actual):
    """Whether actual fits expected, "..." standing for any lines."""
    if not expected:
        return not actual
    if expected[0] == "...":
        return any(matches(expected[1:], actual[i:]) for i in range(len(actual) + 1))
    return bool(actual) and shape(expected[0]) == shape(actual[0]) and matches(expected[1:], actual[1:])


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    document, clocks = sys.argv[1], sys.argv[2]
    source = os.environ.get("ZENTICK_SOURCE_DIR", ".")
    binaries = os.environ["ZENTICK_BINARY_DIR"] + "/bin/"
    with open(os.path.join(source, document), encoding="utf-8") as file:
        found = sessions(file.read(), clocks)
    if not found:
        print(f"{document}: no session of {clocks}", file=sys.stderr)
        return 1
    failed = 0
    for session in found:
        with tempfile.TemporaryDirectory() as scratch:
            env = dict(os.environ, XDG_CONFIG_HOME=scratch + "/config", XDG_DATA_HOME=scratch + "/data")
            for command, expected, number in session:
                if command.startswith("export "):
                    continue
                run = subprocess.run(["bash", "-c", "{ " + command.replace("build/bin/", binaries) + "\n} 2>&1"], cwd=scratch,
                                     env=env, stdout=subprocess.PIPE, text=True)
                actual = run.stdout.splitlines()
                if not matches(expected, actual):
                    failed += 1
                    print(f"{document}:{number}: $ {command}\n  the document shows:", file=sys.stderr)
                    print("\n".join("    " + line for line in expected), file=sys.stderr)
                    print("  it printed:", file=sys.stderr)
                    print("\n".join("    " + line for line in actual), file=sys.stderr)
    print(f"{document}: {len(found)} session(s) of {clocks}, {failed} command(s) printed otherwise")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
