#include "session/ClockEventText.h"

#include "model/ClockStatus.h"
#include "notify/IncidentMail.h"

#include <QDateTime>
#include <QStringList>

namespace ClockEventText {

namespace {

// The clock's own words for its NTP states.
QString ntpText(int state, const TextCatalogue &texts)
{
    switch (state) {
    case NtpSynchronized:
        return texts.translate("DevClock", "Synchronized");
    case NtpTimeout:
    case NtpOther:
        return texts.translate("DevClock", "Ntp server timeout");
    case NtpNoConnection:
        return texts.translate("DevClock", "Connection error");
    case NtpDisabled:
        return texts.translate("DevClock", "Ntp synchronization disabled");
    case NtpNoAuthentication:
        return texts.translate("DevClock", "No authentication");
    default:
        return texts.translate("DevClock", "No status available");
    }
}

QString operationText(const QString &operation, const TextCatalogue &texts)
{
    const auto tr = [&texts](const char *sourceText) { return texts.translate("ClockEventText", sourceText); };
    if (operation == QLatin1String("config"))
        return tr("Configuration sent");
    if (operation == QLatin1String("name"))
        return tr("Name set");
    if (operation == QLatin1String("network"))
        return tr("Network settings set");
    if (operation == QLatin1String("password"))
        return tr("Password changed");
    if (operation == QLatin1String("resolveConflicts"))
        return tr("Address conflict resolved");
    // A change run's, and any a later version names.
    return tr("Changed");
}

QString changeText(const ClockEvent &event, const TextCatalogue &texts)
{
    const auto tr = [&texts](const char *sourceText) { return texts.translate("ClockEventText", sourceText); };
    OperatorChange change;
    if (!OperatorChange::fromJson(event.detail.toUtf8(), change))
        return tr("Changed by an operator");
    QStringList fields;
    for (const OperatorChange::Field &field : change.fields) {
        fields.append(field.before.isEmpty() ? QStringLiteral("%1 \u2192 %2").arg(field.field, field.after)
                                             : QStringLiteral("%1 %2 \u2192 %3").arg(field.field, field.before, field.after));
    }
    const QString who = change.host.isEmpty() ? change.user : change.user + QLatin1Char('@') + change.host;
    QString text = change.done ? tr("%1 by %2").arg(operationText(change.operation, texts), who)
                               : tr("%1 by %2 failed: %3").arg(operationText(change.operation, texts), who, change.reason);
    if (!fields.isEmpty())
        text += QStringLiteral(": ") + fields.join(QStringLiteral(", "));
    if (!change.run.isEmpty())
        text += QLatin1Char(' ') + tr("(run %1)").arg(change.run);
    return text;
}

} // namespace

QString describe(const ClockEvent &event, const TextCatalogue &texts)
{
    const auto tr = [&texts](const char *sourceText) { return texts.translate("ClockEventText", sourceText); };
    switch (event.kind) {
    case ClockEvent::Kind::Unreachable:
        return tr("Stopped answering");
    case ClockEvent::Kind::Reachable:
        return tr("Answers again");
    case ClockEvent::Kind::Ntp:
        return tr("NTP: %1").arg(ntpText(event.ntp, texts));
    case ClockEvent::Kind::AlertDue:
        return tr("Alert due: %1").arg(IncidentMail::reasonText(event.alert, texts));
    case ClockEvent::Kind::Mailed:
        return event.clocks > 1 ? tr("Alert mail delivered, naming %1 clocks").arg(event.clocks)
                                : tr("Alert mail delivered");
    case ClockEvent::Kind::MailFailed:
        return tr("Mail not delivered: %1").arg(event.detail);
    case ClockEvent::Kind::Recovered:
        return tr("Back to normal");
    case ClockEvent::Kind::RecoveryMailed:
        return tr("Recovery mail delivered");
    case ClockEvent::Kind::Muted: {
        const QDateTime until = QDateTime::fromString(event.detail, Qt::ISODate);
        return until.isValid() ? tr("Quiet until %1").arg(until.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")))
                               : tr("Quiet until lifted");
    }
    case ClockEvent::Kind::Unmuted:
        return event.detail == QLatin1String("expired") ? tr("Quiet period ended") : tr("Quiet period lifted");
    case ClockEvent::Kind::MonitorStarted:
        return tr("Monitoring started");
    case ClockEvent::Kind::MonitorStopped:
        return tr("Monitoring stopped");
    case ClockEvent::Kind::Watched:
        return tr("Watched by the monitor");
    case ClockEvent::Kind::Changed:
        return changeText(event, texts);
    }
    return QString();
}

} // namespace ClockEventText
