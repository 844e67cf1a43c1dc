#include "ConfigurationDownload.h"

#include "ClockRegistry.h"
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
    if (services.runner().reportFailure(sender))
        return nullptr;
    auto *download = qobject_cast<GetConfigurationSender *>(sender);
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
