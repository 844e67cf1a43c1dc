#include "ui/services/FleetCheck.h"

#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "ui/dialogs/DialogAuditFindings.h"
#include "ui/services/ChangeClocksAction.h"
#include "ui/dialogs/DialogCombobox.h"
#include "ui/dialogs/DialogHost.h"
#include "operations/audit/FleetAudit.h"
#include "session/MonitoringSession.h"
#include "ui/services/OperationRunner.h"
#include "ui/services/PageServices.h"

#include <QTimeZone>

void FleetCheck::run(PageServices &services, QObject *context, const std::function<bool(FleetAudit &)> &select,
                     bool recordFindings)
{
    for (;;) {
        FleetAudit audit(services.communication());
        if (!select(audit))
            return;
        audit.setSiteZone(AppSettings::siteZone());
        audit.setMinimumFirmware(AuditChecks::minimumFirmwareOf(AppSettings::minimumFirmware()));
        bool finished = false;
        services.runner().run(&audit, tr("Checking clocks"), [&finished](FleetAudit *) { finished = true; }, context);
        // A cancelled audit has nothing to show.
        if (!finished)
            return;
        if (recordFindings && services.session().isWritable())
            services.session().audits().record(audit);
        DialogAuditFindings dialog(services.window());
        dialog.setAudit(audit);
        const int answer = services.dialogs().runDialog(dialog);
        if (answer == DialogAuditFindings::AlignWithGroup) {
            QList<DevClock *> clocks;
            for (quint64 id : dialog.alignClockIds()) {
                if (DevClock *clock = services.registry().clockById(id))
                    clocks.append(clock);
            }
            ChangeClocksAction::run(services, clocks, DialogChangeClocks::Mode::Align);
            return;
        }
        if (answer != DialogAuditFindings::ChangeSiteZone || !askSiteZone(services))
            return;
    }
}

bool FleetCheck::askSiteZone(PageServices &services)
{
    QStringList zones;
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds())
        zones.append(QString::fromUtf8(id));
    DialogCombobox dialog(services.window());
    dialog.setWindowTitle(tr("Site zone"));
    dialog.setButtons(tr("Set"), tr("Cancel"));
    dialog.setTexts(tr("The audit compares each clock's daylight saving with the time zone of the site."), QString(),
                    tr("Zone"), zones);
    dialog.setCurrentItem(zones.indexOf(QString::fromUtf8(AppSettings::siteZone().id())));
    if (services.dialogs().runDialog(dialog) != QDialog::Accepted || dialog.selectedIndex() < 0)
        return false;
    AppSettings::setSiteZone(QTimeZone(zones.at(dialog.selectedIndex()).toUtf8()));
    return true;
}
