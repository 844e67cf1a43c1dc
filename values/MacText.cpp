#include "values/MacText.h"

#include <QRegularExpression>

namespace MacText {

QString canonical(const QString &text)
{
    static const QRegularExpression mac(QStringLiteral("^[0-9A-Fa-f]{2}([-:][0-9A-Fa-f]{2}){5}$"));
    if (!mac.match(text).hasMatch())
        return QString();
    QString result = text.toUpper();
    result.replace(QLatin1Char(':'), QLatin1Char('-'));
    return result;
}

bool isIdentity(const QString &mac)
{
    return !mac.isEmpty() && mac != QLatin1String("00-00-00-00-00-00");
}

} // namespace MacText
