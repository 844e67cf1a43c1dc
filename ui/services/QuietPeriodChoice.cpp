#include "ui/services/QuietPeriodChoice.h"

#include "session/QuietRequests.h"
#include "ui/dialogs/DialogCombobox.h"
#include "ui/dialogs/DialogEditName.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/services/PageServices.h"

#include <QTimeZone>

#include <QDialog>

namespace {

enum Choice { OneHour, EightHours, UntilMorning, OneWeek, UntilLifted, WeeklyHours };
constexpr int secondsPerHour = 3600;
constexpr int hoursPerWeek = 7 * 24;
// Maintenance done overnight ends by the morning's first shift.
const QTime morning(6, 0);

} // namespace

QStringList QuietPeriodChoice::texts()
{
    return {tr("For 1 hour"), tr("For 8 hours"), tr("Until 06:00 tomorrow"), tr("For 7 days"), tr("Until unmuted"),
            tr("Every week...")};
}

QuietPeriod QuietPeriodChoice::period(int choice, const QDateTime &now)
{
    switch (choice) {
    case OneHour:
        return QuietPeriod::endingAt(now.addSecs(secondsPerHour));
    case EightHours:
        return QuietPeriod::endingAt(now.addSecs(8 * secondsPerHour));
    case UntilMorning:
        return QuietPeriod::endingAt(QDateTime(now.date().addDays(1), morning));
    case OneWeek:
        return QuietPeriod::endingAt(now.addSecs(hoursPerWeek * secondsPerHour));
    case UntilLifted:
        return QuietPeriod::untilLifted();
    default:
        return QuietPeriod();
    }
}

namespace {

bool askHours(PageServices &services, const QString &what, const QuietHours &current, QuietRequest &request)
{
    DialogEditName dialog(services.window());
    const QString example =
        QStringLiteral("Mon-Fri 22:00-06:00, Sat-Sun (%1)").arg(QString::fromLatin1(QTimeZone::systemTimeZoneId()));
    dialog.set(QuietPeriodChoice::tr("Weekly quiet hours"),
               QuietPeriodChoice::tr("No alert mail names %1 in these windows, every week (empty: none):").arg(what),
               current.isEmpty() ? example : current.toText(), QuietPeriodChoice::tr("Set"));
    if (services.dialogs().runDialog(dialog) != QDialog::Accepted)
        return false;
    request.weekly = true;
    if (dialog.text().trimmed().isEmpty()) {
        request.mute = false;
        return true;
    }
    QString why;
    request.hours = QuietHours::fromText(dialog.text(), &why);
    if (!request.hours.isValid()) {
        services.dialogs().message(services.window(), why, QuestionIcon::Warning);
        return false;
    }
    request.mute = true;
    return true;
}

} // namespace

bool QuietPeriodChoice::ask(PageServices &services, const QString &what, const QuietHours &current,
                            QuietRequest &request)
{
    DialogCombobox dialog(services.window());
    dialog.setWindowTitle(tr("Quiet period"));
    dialog.setButtons(tr("Set"), tr("Cancel"));
    dialog.setTexts(tr("No alert mail names %1 while it lasts; it is polled and shown as usual.").arg(what), QString(),
                    tr("Quiet"), texts());
    if (services.dialogs().runDialog(dialog) != QDialog::Accepted || dialog.selectedIndex() < 0)
        return false;
    if (dialog.selectedIndex() == WeeklyHours)
        return askHours(services, what, current, request);
    request.period = QuietPeriodChoice::period(dialog.selectedIndex(), QDateTime::currentDateTime());
    return request.period.on;
}
