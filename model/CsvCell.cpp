#include "model/CsvCell.h"

namespace CsvCell {

QByteArray field(const QString &text)
{
    QString value = text;
    if (!value.isEmpty() && QStringLiteral("=+-@\t\r'").contains(value.at(0)))
        value.prepend(QLatin1Char('\''));
    if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n'))
        || value.contains(QLatin1Char('\r'))) {
        value.replace(QLatin1String("\""), QLatin1String("\"\""));
        value = QLatin1Char('"') + value + QLatin1Char('"');
    }
    return value.toUtf8();
}

QByteArray line(const QStringList &cells)
{
    QByteArrayList fields;
    fields.reserve(cells.size());
    for (const QString &cell : cells)
        fields << field(cell);
    return fields.join(',') + '\n';
}

} // namespace CsvCell
