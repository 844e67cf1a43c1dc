#pragma once

#include "notify/Workbook.h"

#include <QByteArray>
#include <QString>

// Reads the cells of an .xlsx workbook into a Workbook. Refuses (false, with
// a reason) every workbook whose cells it cannot carry over whole, so that a
// rewrite never drops what a user put there: cells stored as inline strings
// (the parser reads them as empty), formulas, and files that do not parse.
class WorkbookReader
{
public:
    static bool read(const QByteArray &bytes, Workbook &workbook, QString *reason = nullptr);
};
