#include "ui/pages/AddressPlanActions.h"

#include "core/AppSettings.h"
#include "model/ClockIntake.h"
#include "model/ClockMerge.h"
#include "model/ClockRegistry.h"
#include "operations/CommissioningModel.h"
#include "operations/CommissioningSender.h"
#include "operations/Communication.h"
#include "ui/dialogs/DialogCommissioningResults.h"
#include "model/DevClock.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/services/OperationRunner.h"
#include "ui/services/PageServices.h"
#include "persistence/PlanFile.h"
#include "ui/services/Toasts.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <utility>

namespace {
// How often the list takes the clocks found meanwhile.
constexpr int listBatchMs = 250;
} // namespace

AddressPlanActions::AddressPlanActions(PageServices &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
}

void AddressPlanActions::commission(const QVector<CommissioningTarget> &targets, bool renameFromPlan)
{
    if (targets.isEmpty())
        return;
    ClockIntake intake(m_services.registry());
    CommissioningSender *sender = m_services.communication().commission(targets, renameFromPlan, intake);
    // Filled while the run goes on, each address as the list takes it. The
    // table is built once it is over: building it beside the progress dialog
    // made the run's first turn the longest the window went without answering.
    CommissioningModel found;
    found.follow(sender, intake);
    // The list takes its new rows a few times a second rather than one per
    // address: each would be laid out and painted on its own turn of the
    // event loop, and a plan of a thousand clocks would keep the window busy.
    QVector<quint64> listed;
    QTimer batch;
    const auto showListed = [this, &listed] {
        for (const quint64 id : std::exchange(listed, {}))
            emit clockListed(id);
    };
    connect(&batch, &QTimer::timeout, this, showListed);
    connect(&found, &QAbstractItemModel::rowsInserted, &batch, [&listed, &found](const QModelIndex &, int row) {
        if (const quint64 id = found.addresses().at(row).clockId)
            listed.append(id);
    });
    batch.start(listBatchMs);
    // The sender reports no failure of its own: an address that fails is a
    // row of the table. What was reported before a cancel stays on the list.
    m_services.runner().run(sender, tr("Probing addresses"), nullptr, this);
    batch.stop();
    showListed();
    confirmMoves(found.addresses());
    // Written while the user reads the table.
    if (!found.addresses().isEmpty())
        m_services.listChanged();
    DialogCommissioningResults results(found, m_services.window());
    results.showSummary(targets.size());
    m_services.dialogs().runDialog(results);
}

void AddressPlanActions::confirmMoves(const QVector<CommissionedAddress> &addresses)
{
    QStringList moves;
    for (const CommissionedAddress &address : addresses) {
        if (address.awaitsMoveConfirmation())
            moves << ClockMerge::movedText(address.movedFrom, address.ip);
    }
    // A device merely reporting a listed MAC would otherwise get the row and,
    // with it, the clock's stored password.
    if (moves.isEmpty()
        || m_services.dialogs().ask(m_services.window(),
                                    tr("These listed clocks answered at a new address while nothing else answered "
                                       "at the old one:\n%1\nMove their rows there?")
                                        .arg(moves.join(QLatin1Char('\n'))),
                                    QuestionIcon::Question, tr("Move"), tr("Keep"))
            != QuestionResult::Positive)
        return;
    ClockRegistry &registry = m_services.registry();
    for (const CommissionedAddress &address : addresses) {
        DevClock *clock = address.awaitsMoveConfirmation() ? registry.clockById(address.clockId) : nullptr;
        if (!clock)
            continue;
        clock->network.ip = address.ip;
        registry.announceClockChanged(clock);
    }
}

void AddressPlanActions::exportList()
{
    const ClockRegistry &registry = m_services.registry();
    DialogHost &dialogs = m_services.dialogs();
    QWidget *window = m_services.window();
    // A plan without rows would not read back.
    if (registry.clockCount() == 0) {
        dialogs.message(window, tr("The device list is empty: there is nothing to export."), QuestionIcon::Info);
        return;
    }
    // Closing the question cancels: passwords go into the file only when chosen by name.
    const QuestionResult answer = dialogs.ask(
        window,
        tr("Write the clocks' passwords into the file too? Whoever can read the file can then log in to the clocks."),
        QuestionIcon::Question, tr("Without passwords"), tr("Cancel"), tr("With passwords"));
    if (answer == QuestionResult::Negative)
        return;
    const QString path = dialogs.saveFileName(
        {window, tr("Export device list"), lastPath() + QStringLiteral("clocks.csv"), tr("Address plans (*.csv)")});
    if (path.isEmpty())
        return;
    if (!PlanFile::save(path, AddressPlan::fromClocks(registry, answer == QuestionResult::Neutral))) {
        dialogs.message(window, tr("The device list could not be written to %1.").arg(QDir::toNativeSeparators(path)),
                        QuestionIcon::Critical);
        return;
    }
    m_services.toasts().show(tr("Device list exported to %1").arg(QFileInfo(path).fileName()), ToastType::Success);
}
