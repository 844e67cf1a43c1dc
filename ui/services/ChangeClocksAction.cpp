#include "ui/services/ChangeClocksAction.h"

#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "operations/change/ConfigFieldAccess.h"
#include "session/MonitoringSession.h"
#include "ui/dialogs/DialogChangePasswords.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/services/PageServices.h"

#include <QTimeZone>

namespace ChangeClocksAction {

namespace {

void prepare(PageServices &services, ChangeClocksFlow &flow, const QList<DevClock *> &clocks)
{
    flow.setClocks(services.registry(), clocks);
    MonitoringSession *session = &services.session();
    flow.setRecorder([session](const QString &ip, const OperatorChange &change) { session->recordChange(ip, change); });
}

// What the field picker starts from: the first clock's read configuration,
// else its group's.
const ClockConfigFields *startingValues(const ClockRegistry &registry, const QList<DevClock *> &clocks)
{
    for (const DevClock *clock : clocks) {
        if (clock->hasConfig())
            return &clock->config();
    }
    for (const DevClock *clock : clocks) {
        if (const DevGroup *group = registry.groupOfClock(clock); group && group->hasConfig())
            return group->config();
    }
    return nullptr;
}

} // namespace

void run(PageServices &services, const QList<DevClock *> &clocks, DialogChangeClocks::Mode mode)
{
    if (clocks.isEmpty())
        return;
    ChangeClocksFlow flow(services.communication());
    prepare(services, flow, clocks);
    DialogChangeClocks dialog(services.dialogs(), flow, mode, services.window());
    if (mode == DialogChangeClocks::Mode::Align) {
        ChangeRecipe recipe;
        recipe.kind = ChangeRecipe::Kind::Align;
        recipe.siteZone = QString::fromUtf8(AppSettings::siteZone().id());
        flow.setRecipe(recipe);
        dialog.startPreview();
    } else if (const ClockConfigFields *values = startingValues(services.registry(), clocks)) {
        dialog.setStartingValues(*values);
    }
    services.dialogs().runDialog(dialog);
}

void changePasswords(PageServices &services, const QList<DevClock *> &clocks)
{
    if (clocks.isEmpty())
        return;
    PasswordClocksFlow flow(services.communication(), services.registry());
    flow.setClocks(clocks);
    MonitoringSession *session = &services.session();
    flow.setRecorder([session](const QString &ip, const OperatorChange &change) { session->recordChange(ip, change); });
    flow.setListSaver([&services] { services.listChanged(); });
    DialogChangePasswords dialog(services.dialogs(), flow, services.window());
    services.dialogs().runDialog(dialog);
}

bool confirmSend(PageServices &services, const QList<DevClock *> &clocks, const ClockConfigFields &config)
{
    if (clocks.isEmpty())
        return true;
    ChangeClocksFlow flow(services.communication());
    prepare(services, flow, clocks);
    // Nothing of this flow is sent or kept: the send itself follows.
    flow.setRecorder({});
    ChangeRecipe recipe;
    recipe.kind = ChangeRecipe::Kind::Set;
    for (const QString &field : ConfigFieldAccess::names())
        recipe.values.append({field, ConfigFieldAccess::text(config, field)});
    flow.setRecipe(recipe);
    DialogChangeClocks dialog(services.dialogs(), flow, DialogChangeClocks::Mode::ConfirmSend, services.window());
    dialog.startPreview();
    return services.dialogs().runDialog(dialog) == QDialog::Accepted;
}

} // namespace ChangeClocksAction
