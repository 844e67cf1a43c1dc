#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Cells of the CSV results the commands print and the window exports.
namespace CsvCell {

// Quoted where a reader would split it; one a spreadsheet would run as a
// formula (or that begins with the guard "'" itself) is written after a "'".
QByteArray field(const QString &text);
// The cells joined by commas, ending in "\n".
QByteArray line(const QStringList &cells);

} // namespace CsvCell
