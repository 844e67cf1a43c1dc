#include "session/ClockEventText.h"

#include "model/ClockStatus.h"
#include "notify/IncidentMail.h"

#include <QCoreApplication>

namespace ClockEventText {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ClockEventText", text);
}

// The clock's own words for its NTP states.
QString ntpText(int state)
{
    switch (state) {
    case NtpSynchronized:
        return QCoreApplication::translate("DevClock", "Synchronized");
    case NtpTimeout:
    case NtpOther:
        return QCoreApplication::translate("DevClock", "Ntp server timeout");
    case NtpNoConnection:
        return QCoreApplication::translate("DevClock", "Connection error");
    case NtpDisabled:
        return QCoreApplication::translate("DevClock", "Ntp synchronization disabled");
    case NtpNoAuthentication:
        return QCoreApplication::translate("DevClock", "No authentication");
    default:
        return QCoreApplication::translate("DevClock", "No status available");
    }
}

} // namespace

QString describe(const ClockEvent &event)
{
    switch (event.kind) {
    case ClockEvent::Kind::Unreachable:
        return tr("Stopped answering");
    case ClockEvent::Kind::Reachable:
        return tr("Answers again");
    case ClockEvent::Kind::Ntp:
        return tr("NTP: %1").arg(ntpText(event.ntp));
    case ClockEvent::Kind::AlertDue:
        return tr("Alert due: %1").arg(IncidentMail::reasonText(event.alert));
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
    }
    return QString();
}

} // namespace ClockEventText
