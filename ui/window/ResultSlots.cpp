#include "ResultSlots.h"

#include "ClockRegistry.h"
#include "ConflictResolver.h"
#include "DevClock.h"
#include "DeviceFinder.h"
#include "DialogHost.h"
#include "DialogQuestion.h"
#include "GetConfigurationSender.h"
#include "MonitoringSession.h"
#include "OperationRunner.h"
#include "PageConfiguration.h"
#include "PageServices.h"
#include "ParameterText.h"
#include "RefreshStatusSender.h"
#include "SetConfigurationSender.h"
#include "Toast.h"

#include <QStringList>

ResultSlots::ResultSlots(const PageServices &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
}

void ResultSlots::onStatusRefreshFinished(DataSender *dataSender)
{
    if (m_services.runner->reportFailure(dataSender))
        return;
    auto *sender = qobject_cast<RefreshStatusSender *>(dataSender);
    DevClock *clock = ClockRegistry::instance()->clockById(dataSender->clockId());
    if (!sender || !clock || !sender->refreshedClock())
        return;
    clock->updateFrom(*sender->refreshedClock());
    // The same path as a poll: the row is re-rendered and the alert trigger runs.
    if (m_services.session)
        m_services.session->notifyStatusUpdated(clock->id);
    m_services.ShowToast(tr("Clock %1 data refreshed").arg(clock->name), ToastType::Success);
}

DevClock *ResultSlots::storeDownloadedConfiguration(DataSender *dataSender)
{
    if (m_services.runner->reportFailure(dataSender))
        return nullptr;
    auto *sender = qobject_cast<GetConfigurationSender *>(dataSender);
    DevClock *clock = ClockRegistry::instance()->clockById(dataSender->clockId());
    if (!sender || !clock || !sender->downloadedClock())
        return nullptr;
    clock->copyConfigFrom(*sender->downloadedClock());
    if (m_services.session)
        m_services.session->notifyStatusUpdated(clock->id);
    m_services.ShowToast(tr("Clock %1 configuration downloaded").arg(clock->name), ToastType::Success);
    return clock;
}

void ResultSlots::onGetConfigurationFinished(DataSender *dataSender)
{
    downloadFinished(dataSender);
}

DevClock *ResultSlots::downloadFinished(DataSender *dataSender)
{
    DevClock *clock = storeDownloadedConfiguration(dataSender);
    PageConfiguration *editor = m_services.editor;
    if (clock && editor && editor->editedClockIndex() != -1)
        editor->OpenConfigEditor(editor->editedGroupIndex(), editor->editedClockIndex());
    return clock;
}

void ResultSlots::onGetConfigurationFinishedOpenConfig(DataSender *dataSender)
{
    if (DevClock *clock = downloadFinished(dataSender))
        m_services.OpenEditor(-1, ClockRegistry::instance()->indexOfClock(clock));
}

void ResultSlots::onConfigSendFinished(DataSender *dataSender)
{
    auto *upload = qobject_cast<SetConfigurationSender *>(dataSender);
    if (upload && !upload->refusedField().isEmpty()) {
        m_services.dialogs->message(m_services.window, ParameterText::refusalText(upload->refusedField()),
                                    QuestionIcon::Critical);
        return;
    }
    if (m_services.runner->reportFailure(dataSender))
        return;
    // A clock that failed one part was left out of the rest: the upload as a
    // whole succeeded, but that clock does not have the configuration.
    QStringList missed;
    const QVector<bool> succeeded = upload ? upload->succeeded() : QVector<bool>();
    for (int i = 0; i < succeeded.size(); ++i) {
        if (succeeded.at(i))
            continue;
        const SenderTarget target = upload->targets().value(i);
        const DevClock *clock = ClockRegistry::instance()->clockById(target.clockId);
        missed << (clock ? clock->name : target.device.address.toString());
    }
    if (!missed.isEmpty()) {
        m_services.dialogs->message(m_services.window,
                                    tr("The configuration was sent to %1 of %2 clocks. Not sent to: %3")
                                        .arg(succeeded.size() - missed.size())
                                        .arg(succeeded.size())
                                        .arg(missed.join(QStringLiteral(", "))),
                                    QuestionIcon::Warning);
        return;
    }
    m_services.dialogs->message(m_services.window, tr("Configuration was sent successfully."), QuestionIcon::Info);
}

void ResultSlots::onConflictSolverFinished(DataSender *sender)
{
    auto *resolver = qobject_cast<ConflictResolver *>(sender);
    // The resolver also ends canceled when no clock took its new address;
    // only the user's own cancel is no news.
    const bool gaveUp = resolver && sender->result() == DataSender::Canceled && !sender->isCancelRequested()
                        && resolver->foundCount() > 0;
    if (!gaveUp && m_services.runner->reportFailure(sender))
        return;
    if (!resolver)
        return;
    const int found = resolver->foundCount();
    if (found == 0) {
        m_services.dialogs->message(m_services.window, tr("No devices was found."), QuestionIcon::Warning);
        return;
    }
    QStringList lines{tr("MAC and IP address changed for %1 out of %2 found.")
                          .arg(tr("%n clocks(s)", nullptr, resolver->changedCount()),
                               tr("%n device(s)", nullptr, found))};
    const int unaddressed = resolver->unaddressedCount();
    const int refused = found - resolver->changedCount() - unaddressed;
    if (refused > 0)
        lines << tr("%1 of %2 clocks found did not take their new addresses.").arg(refused).arg(found);
    if (unaddressed > 0)
        lines << tr("%1 of %2 clocks found were left unchanged: no address is left after .254.")
                     .arg(unaddressed)
                     .arg(found);
    m_services.dialogs->message(m_services.window, lines.join(QLatin1Char('\n')),
                                gaveUp ? QuestionIcon::Warning : QuestionIcon::Info);
}

void ResultSlots::onDeviceFinderFinished(DataSender *dataSender,
                                         const std::function<void(QVector<DevClock *>)> &handOver)
{
    if (m_services.runner->reportFailure(dataSender))
        return;
    auto *finder = qobject_cast<DeviceFinder *>(dataSender);
    if (!finder)
        return;
    QVector<DevClock *> clocks = finder->clocks();
    if (handOver)
        handOver(clocks);
    else
        qDeleteAll(clocks);
}
