#pragma once

#include "session/AvailabilityReport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The availability figures of a period as an .xlsx workbook: a summary sheet
// (the period, the site, one row per group) and a sheet per group with its
// clocks' figures and its outages; clocks in no group get a sheet of their
// own. Shares are numbers in a percentage format, durations spreadsheet
// durations and times local date-times, so that they can be summed and
// sorted. Texts go in as strings, never as formulas.
namespace AvailabilityWorkbook {

// What the workbook file may be called: at most 31 characters, none of
// []:*?/\, not beginning or ending with an apostrophe, and unique in the
// workbook regardless of letter case (names that meet after cutting get a
// number). In the order given.
QStringList sheetNames(const QStringList &wanted);

// The workbook's bytes; empty, with why, when it could not be made.
QByteArray build(const AvailabilityReport::Result &result, QString *why = nullptr);

// Builds and puts the workbook at path: in one piece, owner-only (0600), and
// never through a symbolic link.
bool write(const AvailabilityReport::Result &result, const QString &path, QString *why = nullptr);

// Writes bytes to path as write() does.
bool saveFile(const QString &path, const QByteArray &bytes, QString *why = nullptr);

} // namespace AvailabilityWorkbook
