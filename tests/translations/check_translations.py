#!/usr/bin/env python3
"""Checks the five translated catalogues against the English sources.

Fails, naming the language, the context and the source text, when a message
is unfinished or has vanished from the sources, when a translation loses a
placeholder (%1, %n, %L1) or an accelerator (&), changes the line breaks or
the leading and trailing blanks, or is the English text itself without the
language's glossary allowing it ("Same as English" in
translations/glossary-<code>.md).

    check_translations.py SOURCE_DIR [CODE ...]
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

LANGUAGES = ["pl", "es", "fr", "it", "de"]
# Lines the monitor and the window print to a terminal or a log: each must be
# in every catalogue, or a German monitor prints it in English.
PRINTED = [
    ("WorkerThreadPool", "Polls in flight: at least %1 for answering clocks and %2 for failing ones, "
                         "following the fleet, at most %3 together; %4 user exchanges at once; open-file limit %5."),
    ("Monitor", "The device list is empty; nothing to poll."),
    ("Monitor", "Stopped by signal %1; device list saved."),
    ("Monitor", "Stopped by signal %1."),
    ("Monitor", "The status board on %1 is open to anyone who can reach it; see --board-token-file."),
    ("MonitorCommand", "Cannot watch for SIGINT and SIGTERM."),
    ("EventJournal", "Journal %1 cannot be written: %2; events wait in memory and are written when it can be."),
    ("QuietRequestWatcher", "Quiet request %1 not obeyed: %2"),
    ("FailedAttempts", "Refused a request with a wrong token from %1 (%2 from there so far); "
                       "its next tokens are checked ever more slowly."),
]
PLACEHOLDER = re.compile(r"%(?:L?\d+|n)")


def accelerators(text):
    # A single "&" marks a shortcut letter; "&&" is a literal ampersand.
    return len(re.findall(r"(?<!&)&(?!&)", text.replace("&&", "")))


def edges(text):
    return (len(text) - len(text.lstrip()), len(text) - len(text.rstrip()), text.count("\n"))


def same_as_english(glossary):
    allowed = set()
    if not glossary.exists():
        return None
    in_section = False
    for line in glossary.read_text(encoding="utf-8").splitlines():
        if line.startswith("## "):
            in_section = line.strip().lower() == "## same as english"
        elif in_section and line.startswith("- `") and line.rstrip().endswith("`"):
            allowed.add(line.strip()[3:-1])
    return allowed


def check(source_dir, languages):
    faults = []
    for code in languages:
        catalogue = source_dir / "translations" / f"ZTK_{code}.ts"
        allowed = same_as_english(source_dir / "translations" / f"glossary-{code}.md")
        if allowed is None:
            faults.append(f"{code}: translations/glossary-{code}.md is missing")
            allowed = set()
        root = ET.parse(catalogue).getroot()
        held = {(context.findtext("name"), message.findtext("source"))
                for context in root.iter("context") for message in context.iter("message")}
        faults += [f"{code}: {name}: {source!r}: printed, but not in the catalogue"
                   for name, source in PRINTED if (name, source) not in held]
        for context in root.iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source") or ""
                translation = message.find("translation")
                where = f"{code}: {name}: {source!r}"
                kind = translation.get("type") if translation is not None else "missing"
                if kind in ("unfinished", "vanished", "obsolete", "missing"):
                    faults.append(f"{where}: {kind}")
                    continue
                forms = [f.text or "" for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
                    else [translation.text or ""]
                for text in forms:
                    if not text.strip() and source.strip():
                        faults.append(f"{where}: empty translation")
                        continue
                    wanted = set(PLACEHOLDER.findall(source))
                    found = set(PLACEHOLDER.findall(text))
                    # A plural form may spell out the count ("one clock") instead of %n.
                    if message.get("numerus") == "yes":
                        wanted.discard("%n")
                        found.discard("%n")
                    if wanted != found:
                        faults.append(f"{where}: placeholders {sorted(found)} instead of {sorted(wanted)}")
                    if accelerators(text) != accelerators(source):
                        faults.append(f"{where}: {accelerators(text)} accelerators instead of {accelerators(source)}")
                    if edges(text) != edges(source):
                        faults.append(f"{where}: leading or trailing blanks or line breaks differ: {text!r}")
                    if text == source and source not in allowed and re.search(r"[A-Za-z]{2}", source):
                        faults.append(f"{where}: left in English, and the glossary does not allow it")
    return faults


def main():
    if len(sys.argv) < 2 or any(code not in LANGUAGES for code in sys.argv[2:]):
        print(__doc__, file=sys.stderr)
        return 2
    faults = check(Path(sys.argv[1]), sys.argv[2:] or LANGUAGES)
    for fault in faults[:200]:
        print(fault)
    if len(faults) > 200:
        print(f"... and {len(faults) - 200} more")
    if faults:
        print(f"{len(faults)} fault(s) in the catalogues")
        return 1
    print("The catalogues are complete and keep every placeholder and accelerator")
    return 0


if __name__ == "__main__":
    sys.exit(main())
