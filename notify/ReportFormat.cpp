#include "notify/ReportFormat.h"

#include "model/ClockStatus.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace ReportFormat {

namespace {

const QString forbiddenSheetCharacters = QStringLiteral(":\\/?*[]");
constexpr int digestLength = 6;

QString tr(const char *text)
{
    // lupdate files these texts under the namespace's name.
    return QCoreApplication::translate("ReportFormat", text);
}

bool isForbidden(QChar c)
{
    return c.unicode() < 0x20 || forbiddenSheetCharacters.contains(c);
}

QString cleaned(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (isForbidden(c))
            c = QLatin1Char('_');
    }
    return result;
}

// Cuts to at most length UTF-16 units without splitting a surrogate pair.
QString cut(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    QString result = text.left(length);
    if (!result.isEmpty() && result.at(result.size() - 1).isHighSurrogate())
        result.chop(1);
    return result;
}

} // namespace

bool isValidSheetName(const QString &name)
{
    if (name.isEmpty() || name.size() > maxSheetNameLength)
        return false;
    if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        return false;
    for (const QChar c : name) {
        if (isForbidden(c))
            return false;
    }
    return true;
}

QString sheetName(const QString &clockName, const QString &ip)
{
    const QString name = clockName.isEmpty() ? tr("Clock") : clockName;
    const QString full = name + QStringLiteral(" (") + ip + QLatin1Char(')');
    if (isValidSheetName(full))
        return full;

    const QString digest = QString::fromLatin1(
        QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex().left(digestLength));
    QString suffix = QLatin1Char('~') + digest + QStringLiteral(" (") + cleaned(ip) + QLatin1Char(')');
    if (suffix.size() > maxSheetNameLength - 1)
        suffix = QLatin1Char('~') + digest;
    QString result = cut(cleaned(name), maxSheetNameLength - suffix.size()) + suffix;
    // An apostrophe may not open a sheet name; the suffix never ends in one.
    if (result.startsWith(QLatin1Char('\'')))
        result[0] = QLatin1Char('_');
    return result;
}

QString headerTitle(int valueType)
{
    switch (valueType) {
    case Temperature:
        return tr("Temperature");
    case Brightness:
        return tr("Brightness");
    default:
        return QString();
    }
}

QString dateText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

QString valueText(int valueType, double temperature, const QString &unit, int brightness)
{
    switch (valueType) {
    case Temperature:
        if (temperature < lowestTemperature)
            return tr("Invalid");
        return QString::number(temperature, 'g', 6) + QChar(0x00B0) + unit;
    case Brightness:
        return valueOrUnknown(brightness > noBrightnessReading, QString::number(brightness) + QLatin1Char('%'));
    default:
        return QString();
    }
}

} // namespace ReportFormat
