#pragma once

#include "ui/dialogs/DialogChangeClocks.h"

#include <QList>

class DevClock;
class PageServices;

// Opens "Change clocks..." and "Change passwords..." from the pages: the flow for the clocks, every
// clock it sends to recorded in the history, the dialog through the host.
namespace ChangeClocksAction {

// Choose: the user picks the change; Align: each clock is aligned with its
// group (and the site's zone).
void run(PageServices &services, const QList<DevClock *> &clocks, DialogChangeClocks::Mode mode);

// "Change passwords...": new passwords for the clocks in waves; each clock's
// new password is kept on the device list as soon as it has it.
void changePasswords(PageServices &services, const QList<DevClock *> &clocks);

// The group send's question: the members read, the preview of what the
// configuration changes on each; true when the user pressed Send.
bool confirmSend(PageServices &services, const QList<DevClock *> &clocks, const ClockConfigFields &config);

} // namespace ChangeClocksAction
