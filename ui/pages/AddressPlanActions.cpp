#include "AddressPlanActions.h"

#include "CommissioningSender.h"
#include "Communication.h"
#include "DialogCommissioningResults.h"
#include "DialogHost.h"
#include "OperationRunner.h"
#include "PageServices.h"

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
    CommissioningSender *sender = m_services.communication().commission(targets, renameFromPlan);
    // Filled while the run goes on; shown once it is over.
    DialogCommissioningResults results(m_services.window());
    results.follow(sender);
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
    connect(sender, &CommissioningSender::addressReported, &batch, [&listed, sender](int index) {
        if (const quint64 id = sender->results().at(index).clockId)
            listed.append(id);
    });
    batch.start(listBatchMs);
    // The sender reports no failure of its own: an address that fails is a
    // row of the table. What was reported before a cancel stays on the list.
    m_services.runner().run(sender, tr("Probing addresses"), nullptr, this);
    batch.stop();
    showListed();
    results.showSummary(targets.size());
    m_services.dialogs().runDialog(results);
}
