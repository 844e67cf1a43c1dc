#include "notify/IncidentMail.h"

#include "core/AppIdentity.h"
#include "model/ClockStatus.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

namespace IncidentMail {

namespace {

const QString lineEnd = QStringLiteral("\r\n");
const QString timeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
constexpr qint64 secondsPerMinute = 60;
constexpr qint64 secondsPerHour = 3600;
constexpr qint64 secondsPerDay = 86400;

// Shaped like QObject::tr, so that lupdate sees the plural forms.
QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("IncidentMail", text, disambiguation, n);
}

// The labels keep the context of the sender that first wrote them, so that
// their translations stay.
QString alertText()
{
    return QCoreApplication::translate("MailSender", "alert: ");
}

QString errorCodeText()
{
    return QCoreApplication::translate("MailSender", "Error code: ");
}

// One clock's lines, labelled as the single alert mail labels them.
QString clockLines(const Entry &entry)
{
    return QCoreApplication::translate("MailSender", "Clock name: ") + entry.name + lineEnd
        + QCoreApplication::translate("MailSender", "IP: ") + entry.ip + lineEnd
        + QCoreApplication::translate("MailSender", "Group: ") + entry.group + lineEnd;
}

} // namespace

void sort(QList<Entry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.group != b.group)
            return a.group.localeAwareCompare(b.group) < 0;
        if (a.name != b.name)
            return a.name.localeAwareCompare(b.name) < 0;
        return a.ip < b.ip;
    });
}

QString reasonText(int kind, const TextCatalogue &texts)
{
    switch (kind) {
    case NtpTimeout:
    case NtpOther:
        return texts.translate("MailSender", "Ntp server timeout");
    case NtpNoConnection:
        return texts.translate("MailSender", "Connection error");
    case NtpNoAuthentication:
        return texts.translate("MailSender", "No authentication");
    default:
        return QString();
    }
}

QString alertSubject(const QList<Entry> &entries)
{
    if (entries.size() == 1) {
        return appDisplayName() + QLatin1Char(' ') + alertText() + entries.first().name + QStringLiteral(" IP: ")
            + entries.first().ip;
    }
    QMap<int, int> counts;
    for (const Entry &entry : entries)
        ++counts[entry.kind];
    QList<int> kinds = counts.keys();
    // The most frequent reason first.
    std::stable_sort(kinds.begin(), kinds.end(), [&counts](int a, int b) { return counts.value(a) > counts.value(b); });
    QStringList parts;
    for (int kind : kinds)
        parts << QStringLiteral("%1 %2").arg(reasonText(kind)).arg(counts.value(kind));
    return appDisplayName() + QLatin1Char(' ') + alertText() + tr("%n clocks", nullptr, int(entries.size()))
        + QStringLiteral(" (") + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString alertBody(const QList<Entry> &entries)
{
    if (entries.size() == 1)
        return clockLines(entries.first()) + errorCodeText() + reasonText(entries.first().kind);
    QString body = tr("%n clocks need attention.", nullptr, int(entries.size())) + lineEnd;
    for (const Entry &entry : entries) {
        body += lineEnd + clockLines(entry) + errorCodeText() + reasonText(entry.kind) + lineEnd
            + tr("Since: ") + entry.since.toString(timeFormat) + lineEnd;
    }
    return body;
}

QString recoverySubject(const QList<Entry> &entries)
{
    if (entries.size() == 1) {
        return appDisplayName() + QLatin1Char(' ') + tr("back to normal: ") + entries.first().name
            + QStringLiteral(" IP: ") + entries.first().ip;
    }
    return appDisplayName() + QLatin1Char(' ') + tr("back to normal: ") + tr("%n clocks", nullptr, int(entries.size()));
}

QString recoveryBody(const QList<Entry> &entries)
{
    QString body;
    if (entries.size() > 1)
        body = tr("%n clocks are back to normal.", nullptr, int(entries.size())) + lineEnd + lineEnd;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries.at(i);
        if (i > 0)
            body += lineEnd;
        body += clockLines(entry)
            + tr("Back to normal after %1").arg(durationText(entry.since.secsTo(entry.recovered))) + lineEnd;
    }
    return body;
}

QString durationText(qint64 seconds)
{
    if (seconds < secondsPerMinute)
        return tr("less than a minute");
    const qint64 days = seconds / secondsPerDay;
    const qint64 hours = seconds % secondsPerDay / secondsPerHour;
    const qint64 minutes = seconds % secondsPerHour / secondsPerMinute;
    if (days > 0)
        return tr("%1 d %2 h").arg(days).arg(hours);
    if (hours > 0)
        return tr("%1 h %2 min").arg(hours).arg(minutes);
    return tr("%1 min").arg(minutes);
}

} // namespace IncidentMail
