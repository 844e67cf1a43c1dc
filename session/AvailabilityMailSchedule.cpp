#include "session/AvailabilityMailSchedule.h"

#include "notify/NotificationSettings.h"

namespace AvailabilityMailSchedule {

QDate dueMonth(const Input &input)
{
    if (!input.enabled || !input.now.isValid())
        return {};
    const QDate today = input.now.date();
    const int day = qBound(NotificationSettings::minAvailabilityMailDay, input.day,
                           NotificationSettings::maxAvailabilityMailDay);
    if (today.day() < day)
        return {};
    const QDate month = QDate(today.year(), today.month(), 1).addMonths(-1);
    // "yyyy-MM" sorts as the months do.
    if (!input.lastMonth.isEmpty() && input.lastMonth >= monthKey(month))
        return {};
    if (input.lastFailure.isValid() && input.lastFailure <= input.now
        && input.lastFailure.secsTo(input.now) < input.retrySecs)
        return {};
    return month;
}

QString monthKey(const QDate &month)
{
    return month.toString(QStringLiteral("yyyy-MM"));
}

QDateTime monthStart(const QDate &month)
{
    return QDateTime(QDate(month.year(), month.month(), 1), QTime(0, 0));
}

QDateTime monthEnd(const QDate &month)
{
    return monthStart(month).addMonths(1);
}

} // namespace AvailabilityMailSchedule
