#include "GoldenFile.h"

#include <QDir>
#include <QFile>
#include <QList>

namespace GoldenFile {

QString path(const QString &name)
{
    return QString::fromLocal8Bit(qgetenv("ZENTICK_SOURCE_DIR")) + QStringLiteral("/tests/data/") + name;
}

QByteArray read(const QString &name)
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool matches(const QString &name, const QByteArray &actual, QString *difference)
{
    const QByteArray expected = read(name);
    if (expected == actual)
        return true;
    const QString actualPath = QString::fromLocal8Bit(qgetenv("ZENTICK_BINARY_DIR")) + QStringLiteral("/") + name
        + QStringLiteral(".actual");
    QFile out(actualPath);
    if (out.open(QIODevice::WriteOnly))
        out.write(actual);
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    int line = 0;
    while (line < a.size() && line < e.size() && a.at(line) == e.at(line))
        ++line;
    *difference = QStringLiteral("%1 differs at line %2 (actual bytes in %3)\n expected: %4\n actual:   %5")
                      .arg(name)
                      .arg(line + 1)
                      .arg(actualPath, QString::fromUtf8(e.value(line)), QString::fromUtf8(a.value(line)));
    return false;
}

} // namespace GoldenFile
