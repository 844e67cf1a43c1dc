#include "session/ClockEventText.h"

#include "model/ClockStatus.h"
#include "notify/IncidentMail.h"

#include <QDateTime>

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
    }
    return QString();
}

} // namespace ClockEventText
