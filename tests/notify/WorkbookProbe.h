#pragma once

#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QString>

// Independent views of a workbook file for the tests: openpyxl (Python) and
// liborcus' own document model, plus makers of workbooks our reader must
// refuse.
namespace WorkbookProbe {

struct Sheet
{
    QString name;
    // "A1" -> "s:Date", "n:21.5", "b:1"
    QMap<QString, QString> cells;
};

// The JSON of tests/notify/read_xlsx.py; empty when openpyxl failed.
QJsonArray readWithOpenpyxl(const QString &path);
// Empty when the document model failed to load it.
QList<Sheet> readWithOrcusModel(const QString &path, bool *ok);

// A1 "Date" and A2 a text, both stored as inline strings.
bool writeInlineStringWorkbook(const QString &path);
// A1 a number and A2 a formula over it.
bool writeFormulaWorkbook(const QString &path);

QString cellName(int row, int column);

} // namespace WorkbookProbe
