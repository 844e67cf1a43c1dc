#!/usr/bin/python3
"""Reads what the availability report produced with readers independent of
ours, as JSON on stdout.

book PATH: every sheet of the workbook (openpyxl): its name and every
non-empty cell as [type, value, number format], dates in ISO form and
durations in seconds.
mail PATH OUT: the raw message (Python's email package): its content type,
its longest line, the text part and each attachment's type, disposition and
file name; the first attachment's decoded bytes go to OUT.
"""
import datetime
import json
import sys
from email import policy
from email.parser import BytesParser

import openpyxl


def value(v):
    if isinstance(v, datetime.timedelta):
        return v.total_seconds()
    if isinstance(v, (datetime.datetime, datetime.date, datetime.time)):
        return v.isoformat()
    return v


def book(path):
    out = []
    for sheet in openpyxl.load_workbook(path).worksheets:
        cells = {}
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is not None:
                    cells[cell.coordinate] = [cell.data_type, value(cell.value), cell.number_format]
        out.append({"name": sheet.title, "cells": cells})
    return out


def mail(path, out):
    raw = open(path, "rb").read()
    message = BytesParser(policy=policy.default).parsebytes(raw)
    parts = []
    text = ""
    written = False
    for part in message.iter_parts():
        if part.get_content_disposition() == "attachment":
            lines = part.get_payload(decode=False).splitlines()
            parts.append({"type": part.get_content_type(), "filename": part.get_filename(),
                          "encoding": part.get("Content-Transfer-Encoding", ""),
                          "longestLine": max((len(line) for line in lines), default=0)})
            if not written:
                open(out, "wb").write(part.get_content())
                written = True
        else:
            text = part.get_content().replace("\r\n", "\n")
    longest = max(len(line) for line in raw.split(b"\r\n"))
    bare = raw.replace(b"\r\n", b"").count(b"\n")
    return {"type": message.get_content_type(), "longest": longest, "bareLineFeeds": bare,
            "defects": len(message.defects), "text": text, "attachments": parts}


if __name__ == "__main__":
    if sys.argv[1] == "book":
        json.dump(book(sys.argv[2]), sys.stdout)
    else:
        json.dump(mail(sys.argv[2], sys.argv[3]), sys.stdout)
