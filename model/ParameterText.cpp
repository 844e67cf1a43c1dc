#include "model/ParameterText.h"

#include "model/ClockConfig.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <iterator>

namespace ParameterText {

const QRegularExpression &safePattern()
{
    // \p{Cc}: C0 controls (line breaks included), DEL and C1 controls.
    static const QRegularExpression pattern(QStringLiteral("[^&=\\p{Cc}]*"));
    return pattern;
}

bool isSafe(const QString &text)
{
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(safePattern().pattern()));
    return whole.match(text).hasMatch();
}

bool isSafePassword(const QString &text)
{
    return isSafe(text) && !text.contains(QLatin1String("%21"));
}

QString firstUnsafeField(const ClockConfig &config)
{
    const QString servers[] = {config.Server1, config.Server2, config.Server3, config.Server4, config.Server5};
    for (int i = 0; i < int(std::size(servers)); ++i) {
        if (!isSafe(servers[i]))
            return QStringLiteral("Server%1").arg(i + 1);
    }
    if (config.Synchronization && !isSafe(config.MasterIP))
        return QStringLiteral("MasterIP");
    return QString();
}

QString refusalText(const QString &field)
{
    return QCoreApplication::translate("ParameterText",
                                       "The configuration was not sent: %1 holds \"&\", \"=\" or a control "
                                       "character, which the clock would misread.")
        .arg(field);
}

QString nameRefusalText()
{
    return QCoreApplication::translate("ParameterText",
                                       "The name was not sent: it holds \"&\", \"=\" or a control character, "
                                       "which the clock would misread.");
}

QString passwordRefusalText()
{
    return QCoreApplication::translate("ParameterText",
                                       "The password was not sent: it holds \"&\", \"=\" or a control character, "
                                       "which the clock would misread.");
}

} // namespace ParameterText
