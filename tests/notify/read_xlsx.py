#!/usr/bin/python3
"""Dumps an .xlsx workbook as JSON through openpyxl, a reader independent of
ours: sheets in order, every non-empty cell with its type, the widths of the
columns that have one, and the font and alignment of A1 and A2."""
import json
import sys

import openpyxl


def style(cell):
    return {"bold": bool(cell.font.b), "size": float(cell.font.sz or 0),
            "align": cell.alignment.horizontal or "", "border": bool(cell.border.left.style)}


def main():
    book = openpyxl.load_workbook(sys.argv[1])
    out = []
    for sheet in book.worksheets:
        cells = {}
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is not None:
                    cells[cell.coordinate] = [cell.data_type, cell.value if cell.data_type != "b" else int(cell.value)]
        widths = {k: v.width for k, v in sheet.column_dimensions.items() if v.customWidth}
        out.append({"name": sheet.title, "cells": cells, "widths": widths,
                    "A1": style(sheet["A1"]), "A2": style(sheet["A2"])})
    json.dump(out, sys.stdout)


if __name__ == "__main__":
    main()
