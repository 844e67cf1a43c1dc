#pragma once

#include <QByteArray>
#include <QString>

// The committed expected files in tests/data.
namespace GoldenFile {

QString path(const QString &name);
QByteArray read(const QString &name);
// Compares the bytes; on a difference writes the actual bytes beside the
// build for a diff and reports the first differing line.
bool matches(const QString &name, const QByteArray &actual, QString *difference);

} // namespace GoldenFile
