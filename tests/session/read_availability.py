#!/usr/bin/python3
"""Reads the availability report with readers independent of ours, as JSON.
book PATH: {"sheet!A1": [type, value, number format]} for every cell and
"sheets": the sheet names (openpyxl; dates in ISO form, durations in seconds).
mail PATH OUT: the raw message through Python's email package: its type,
defects, longest line, text and attachments; the first attachment's bytes
go to OUT."""
import datetime
import json
import sys
from email import policy
from email.parser import BytesParser

import openpyxl


def value(v):
    if isinstance(v, datetime.timedelta):
        return v.total_seconds()
    return v.isoformat() if isinstance(v, datetime.datetime) else v


def book(path):
    out = {"sheets": []}
    for sheet in openpyxl.load_workbook(path).worksheets:
        out["sheets"].append(sheet.title)
        for row in sheet.iter_rows():
            for c in row:
                if c.value is not None:
                    out[sheet.title + "!" + c.coordinate] = [c.data_type, value(c.value), c.number_format]
    return out


def mail(path, out):
    raw = open(path, "rb").read()
    message = BytesParser(policy=policy.default).parsebytes(raw)
    result = {"type": message.get_content_type(), "defects": len(message.defects), "attachments": [],
              "longest": max(len(line) for line in raw.split(b"\r\n")),
              "bareLineFeeds": raw.replace(b"\r\n", b"").count(b"\n")}
    for part in message.iter_parts():
        if part.get_content_disposition() != "attachment":
            result["text"] = part.get_content().replace("\r\n", "\n")
            continue
        if not result["attachments"]:
            open(out, "wb").write(part.get_content())
        result["attachments"].append({
            "type": part.get_content_type(), "filename": part.get_filename(),
            "encoding": part.get("Content-Transfer-Encoding", ""),
            "longestLine": max(len(line) for line in part.get_payload(decode=False).splitlines())})
    return result


if __name__ == "__main__":
    json.dump(book(sys.argv[2]) if sys.argv[1] == "book" else mail(sys.argv[2], sys.argv[3]), sys.stdout)
