#include "ui/services/QuietPeriodChoice.h"

#include "ui/dialogs/DialogCombobox.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/services/PageServices.h"

#include <QDialog>

namespace {

enum Choice { OneHour, EightHours, UntilMorning, OneWeek, UntilLifted };
constexpr int secondsPerHour = 3600;
constexpr int hoursPerWeek = 7 * 24;
// Maintenance done overnight ends by the morning's first shift.
const QTime morning(6, 0);

} // namespace

QStringList QuietPeriodChoice::texts()
{
    return {tr("For 1 hour"), tr("For 8 hours"), tr("Until 06:00 tomorrow"), tr("For 7 days"), tr("Until unmuted")};
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

bool QuietPeriodChoice::ask(PageServices &services, const QString &what, QuietPeriod &period)
{
    DialogCombobox dialog(services.window());
    dialog.setWindowTitle(tr("Quiet period"));
    dialog.setButtons(tr("Set"), tr("Cancel"));
    dialog.setTexts(tr("No alert mail names %1 while it lasts; it is polled and shown as usual.").arg(what), QString(),
                    tr("Quiet"), texts());
    if (services.dialogs().runDialog(dialog) != QDialog::Accepted || dialog.selectedIndex() < 0)
        return false;
    period = QuietPeriodChoice::period(dialog.selectedIndex(), QDateTime::currentDateTime());
    return period.on;
}
