#pragma once

#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QString>

// Independent views of a workbook file for the tests: openpyxl (Python) and
// liborcus' own document model.
namespace WorkbookProbe {

struct Sheet
{
    QString name;
    // "A1" -> "s:Date"; any cell that is not a text is "other".
    QMap<QString, QString> cells;
};

// The JSON of tests/notify/read_xlsx.py; empty when openpyxl failed.
QJsonArray readWithOpenpyxl(const QString &path);
// Empty, with a warning, when the document model failed to load it.
QList<Sheet> readWithOrcusModel(const QString &path);

} // namespace WorkbookProbe
