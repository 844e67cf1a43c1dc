#pragma once

#include "notify/Workbook.h"

#include <QString>

// Writes a Workbook as an .xlsx file and puts it in place atomically: the old
// file stays whole until the new one is complete. Row 0 of every sheet takes
// the header format, every other cell the data format; every column with a
// header is 25 characters wide. Texts go to the shared-string table, which
// every reader understands (inline strings are not read back by all).
class WorkbookWriter
{
public:
    static constexpr double headerColumnWidth = 25.0;
    static constexpr double fontSize = 11.0;

    static bool write(const Workbook &workbook, const QString &path, QString *reason = nullptr);
};
