#include "notify/AlertTrigger.h"

#include "model/ClockStatus.h"
#include "model/DevClock.h"
#include "notify/MailSender.h"
#include "notify/NotificationSettings.h"

#include <array>

namespace {

constexpr int secondsPerHour = 3600;
constexpr std::array<int, 5> hoursOfChoice{0, 1, 2, 4, 8};

} // namespace

int AlertTrigger::resendHours(int resendChoice)
{
    if (resendChoice < 0 || resendChoice >= int(hoursOfChoice.size()))
        return 0;
    return hoursOfChoice[std::size_t(resendChoice)];
}

int AlertTrigger::mailableRecord(DevClock &clock, bool quiet, const QDateTime &now)
{
    const int hours = resendHours(notificationSettings().resendMailTime);
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
        return -1;
    const AlertCounter &counter = clock.alertCounters[std::size_t(index)];
    if (counter.mailsSent >= counter.maxMails || counter.mailDelivered)
        return -1;
    // A kind that is switched off, or a quiet period: nothing is sent and
    // nothing counts as an attempt, so the alert follows once they end.
    if (!MailSender::alertKindEnabled(index) || quiet)
        return -1;
    return index;
}
