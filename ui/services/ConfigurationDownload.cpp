#include "ui/services/ConfigurationDownload.h"

#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "ui/dialogs/DialogHost.h"
#include "model/DevClock.h"
#include "operations/GetConfigurationSender.h"
#include "session/MonitoringSession.h"
#include "ui/services/OperationRunner.h"
#include "ui/services/PageServices.h"
#include "ui/services/Toasts.h"

#include <QCoreApplication>

namespace ConfigurationDownload {

DevClock *store(const PageServices &services, DataSender *sender)
{
    auto *download = qobject_cast<GetConfigurationSender *>(sender);
    // Said with the part: the kind's text alone would blame the network.
    if (download && download->unreadPart() != ConfigPart::None) {
        services.dialogs().message(services.window(), ConfigParts::notReadText(download->unreadPart()),
                                   QuestionIcon::Critical);
        return nullptr;
    }
    if (services.runner().reportFailure(sender))
        return nullptr;
    DevClock *clock = services.registry().clockById(sender->clockId());
    if (!download || !clock || !download->downloadedClock())
        return nullptr;
    clock->setConfig(download->downloadedClock()->config());
    services.session().notifyStatusUpdated(clock->id);
    services.toasts().show(
        QCoreApplication::translate("ConfigurationDownload", "Clock %1 configuration downloaded").arg(clock->name),
        ToastType::Success);
    return clock;
}

} // namespace ConfigurationDownload
