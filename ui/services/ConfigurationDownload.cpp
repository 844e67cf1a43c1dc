#include "ConfigurationDownload.h"

#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "DialogHost.h"
#include "DevClock.h"
#include "GetConfigurationSender.h"
#include "MonitoringSession.h"
#include "OperationRunner.h"
#include "PageServices.h"
#include "Toasts.h"

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
    clock->copyConfigFrom(*download->downloadedClock());
    services.session().notifyStatusUpdated(clock->id);
    services.toasts().show(
        QCoreApplication::translate("ConfigurationDownload", "Clock %1 configuration downloaded").arg(clock->name),
        ToastType::Success);
    return clock;
}

} // namespace ConfigurationDownload
