#pragma once

#include <QByteArray>
#include <QString>

// Rows of data-driven tests kept as data under tests/data. A file holds one
// table per test function:
//
//   # a comment
//   = parse  reply:bytes  accepted:bool  productCode
//   ["complete reply of a QM03", "\u0000\u0003QLX...", true, "QM03"]
//
// "=" names the test function and its columns; each row is a JSON array of
// the row's name and one value per column (it may go on over several lines).
// Column types: text (the default; null is a null QString), bytes (one byte
// per character U+0000..U+00FF), utf8, hex, int, bool, double, float, texts
// (QStringList), ints (QList<int>), bytes[] (QByteArrayList), object
// (QJsonObject), array (QJsonArray).
namespace TestRows {

// In a _data() function: declares the columns of the current test
// function's table in tests/data/<file> and adds its rows.
void add(const QString &file);

QString dataPath(const QString &name);
QByteArray readData(const QString &name);
// Whether actual holds the bytes of the committed file tests/data/<name>;
// if not, writes them beside the build for a diff and says where they first
// differ.
bool matchesData(const QString &name, const QByteArray &actual, QString *difference);

} // namespace TestRows
