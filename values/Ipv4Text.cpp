#include "values/Ipv4Text.h"

#include <QRegularExpression>
#include <QStringList>

namespace Ipv4Text {

namespace {
constexpr int maxOctet = 255;
constexpr int octets = 4;
} // namespace

QString canonical(const QString &text)
{
    static const QRegularExpression dotted(
        QStringLiteral("^([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})$"));
    const QRegularExpressionMatch match = dotted.match(text);
    if (!match.hasMatch())
        return QString();
    QStringList parts;
    for (int i = 1; i <= octets; ++i) {
        const int number = match.captured(i).toInt();
        if (number > maxOctet)
            return QString();
        parts << QString::number(number);
    }
    return parts.join(QLatin1Char('.'));
}

} // namespace Ipv4Text
