#include "AlertTrigger.h"

#include "ClockStatus.h"
#include "DevClock.h"
#include "MailSender.h"
#include "NotificationSettings.h"
#include "Smtp.h"

#include <QPointer>

#include <array>

namespace {

constexpr int secondsPerHour = 3600;
constexpr std::array<int, 5> hoursOfChoice{0, 1, 2, 4, 8};

void mailFinished(DevClock *clock, int index, MailSender *sender, const QString &status)
{
    if (status == Smtp::sentText) {
        clock->alertCounters[std::size_t(index)].mailDelivered = true;
        clock->lastAlertMail = QDateTime::currentDateTime();
    }
    if (clock->alertMailSender == sender)
        clock->alertMailSender = nullptr;
    sender->deleteLater();
}

} // namespace

int AlertTrigger::resendHours(int resendChoice)
{
    if (resendChoice < 0 || resendChoice >= int(hoursOfChoice.size()))
        return 0;
    return hoursOfChoice[std::size_t(resendChoice)];
}

bool sendAlertIfDue(DevClock &clock, const QDateTime &now)
{
    const int hours = AlertTrigger::resendHours(notificationSettings().resendMailTime);
    bool anyDelivered = false;
    for (const AlertCounter &counter : clock.alertCounters)
        anyDelivered = anyDelivered || counter.mailDelivered;
    if (anyDelivered && hours != 0 && clock.lastAlertMail.addSecs(qint64(hours) * secondsPerHour) < now) {
        for (AlertCounter &counter : clock.alertCounters) {
            counter.mailsSent = 0;
            counter.mailDelivered = false;
        }
    }

    const int index = clock.firstDueAlert();
    if (index < 0 || index >= ntpStatusCount)
        return false;
    AlertCounter &counter = clock.alertCounters[std::size_t(index)];
    if (counter.mailsSent >= counter.maxMails || counter.mailDelivered)
        return false;
    if (clock.alertMailSender)
        return true;

    // The sender dies with the clock if the clock is removed mid-mail.
    auto *sender = new MailSender(&clock);
    QObject::connect(sender, &MailSender::SigMailSent, &clock,
                     [clockPtr = &clock, index, sender](const QString &status) {
                         mailFinished(clockPtr, index, sender, status);
                     });
    // A kind that is switched off, or no recipient: nothing is in flight,
    // so nothing may stay behind to block the clock's next alert.
    if (!sender->sendAlert(clock)) {
        delete sender;
        return false;
    }
    clock.alertMailSender = sender;
    ++counter.mailsSent;
    return true;
}
