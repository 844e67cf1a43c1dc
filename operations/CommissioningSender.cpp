#include "CommissioningSender.h"

#include "ClockMerge.h"
#include "ClockRegistry.h"
#include "CommandBodies.h"
#include "CommandWWW.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "ParameterText.h"
#include "SenderTarget.h"
#include "Worker.h"
#include "WorkerThreadPool.h"
#include "WorkerWWW.h"

#include <QCoreApplication>

namespace {

// The replies carry no HTTP status of their own: the worker already refused anything but 200.
constexpr int noStatusCode = 0;
// Addresses begun and not yet done, per probe slot of the pool: enough that
// a freed slot always finds the next address waiting, few enough that a
// range of 65536 addresses never queues 65536 exchanges.
constexpr int openPerSlot = 2;

} // namespace

CommissioningSender::CommissioningSender(const QVector<CommissioningTarget> &targets, bool renameFromPlan,
                                         QObject *parent)
    : DataSender(0, parent)
    , m_targets(targets)
    , m_renameFromPlan(renameFromPlan)
    , m_probes(size_t(targets.size()))
{
    setLane(ExchangeLane::Probe);
    qRegisterMetaType<CommissionedAddress>("CommissionedAddress");
}

CommissioningSender::~CommissioningSender() = default;

void CommissioningSender::run()
{
    m_results.reserve(m_targets.size());
    if (m_targets.isEmpty()) {
        emitFinished();
        return;
    }
    openMore();
}

void CommissioningSender::openMore()
{
    const int limit = openPerSlot * WorkerThreadPool::instance()->probeBound();
    while (!hasEnded() && m_opened < m_targets.size() && m_opened - m_done < limit)
        send(m_opened++, StepIdentify);
}

void CommissioningSender::send(int index, Step step)
{
    const CommissioningTarget &target = m_targets.at(index);
    m_probes[size_t(index)].step = step;
    SenderTarget to;
    to.device.address = QHostAddress(target.ip);
    to.user = target.user;
    to.password = target.password;
    static const CommandType commands[] = {ReadFirmware, ReadNetwork, ReadStatus, WriteName};
    CommandWWW command(commands[step],
                       step == StepRename ? CommandBodies::name(target.name) : QByteArray());
    if (!sendExchange(to, command, index, &CommissioningSender::onWorkerFinished)) {
        // No worker for a canonical address: as good as no answer.
        m_probes[size_t(index)].reason = QCoreApplication::translate("Error", "not a clock address");
        finish(index);
    }
}

void CommissioningSender::onWorkerFinished(Worker *worker, int index)
{
    if (hasEnded() || index < 0 || index >= m_targets.size())
        return;
    Probe &probe = m_probes[size_t(index)];
    if (probe.done)
        return;
    auto *www = qobject_cast<WorkerWWW *>(worker);
    const QString reply = QString::fromUtf8(worker->data());
    const QString reason = www ? www->failureReason() : QString();
    switch (probe.step) {
    case StepIdentify:
        identify(index, worker);
        return;
    case StepNetwork:
        if (worker->error()) {
            // Gone since it answered "/F"; listed all the same, with the error.
            probe.clock->lastError = www ? www->errorCode() : ConnectionError;
            probe.reason = reason;
            if (m_renameFromPlan && !m_targets.at(index).name.isEmpty())
                probe.rename = CommissionedAddress::Rename::Failed;
            finish(index);
            return;
        }
        probe.clock->parseNetworkSettings(reply, noStatusCode, m_targets.at(index).user,
                                          m_targets.at(index).password);
        send(index, StepStatus);
        return;
    case StepStatus:
        // A status that did not come leaves the clock to the poller.
        if (!worker->error())
            probe.clock->parseStatus(reply, noStatusCode);
        renameOrFinish(index);
        return;
    case StepRename:
        if (worker->error()) {
            probe.rename = CommissionedAddress::Rename::Failed;
            probe.reason = reason;
        } else {
            probe.rename = CommissionedAddress::Rename::Renamed;
            probe.clock->name = m_targets.at(index).name;
        }
        finish(index);
        return;
    case StepDone:
        return;
    }
}

void CommissioningSender::identify(int index, Worker *worker)
{
    Probe &probe = m_probes[size_t(index)];
    const CommissioningTarget &target = m_targets.at(index);
    auto *www = qobject_cast<WorkerWWW *>(worker);
    if (worker->error()) {
        // An empty reply: no connection, or one that stayed silent.
        if (www && www->errorCode() == AuthorizationError)
            probe.finding = CommissionedAddress::WrongPassword;
        else if (worker->data().isEmpty())
            probe.finding = CommissionedAddress::NoAnswer;
        else
            probe.finding = CommissionedAddress::NotAClock;
        probe.reason = www ? www->failureReason() : QString();
        finish(index);
        return;
    }
    auto clock = std::make_unique<DevClock>();
    if (!clock->parseDeviceInformation(QString::fromUtf8(worker->data()))) {
        probe.finding = CommissionedAddress::NotAClock;
        probe.reason = QCoreApplication::translate("CommissioningSender", "the answer names no known clock model");
        finish(index);
        return;
    }
    clock->network.ip = target.ip;
    clock->user = target.user;
    clock->password = target.password;
    clock->lastError = NoError;
    probe.clock = std::move(clock);
    probe.finding = CommissionedAddress::Added;
    send(index, StepNetwork);
}

void CommissioningSender::renameOrFinish(int index)
{
    const CommissioningTarget &target = m_targets.at(index);
    Probe &probe = m_probes[size_t(index)];
    if (!m_renameFromPlan || target.name.isEmpty() || target.name == probe.clock->name
        || target.ownClockInstead(*probe.clock)) {
        finish(index);
    } else if (!ParameterText::isSafe(target.name)) {
        probe.rename = CommissionedAddress::Rename::Failed;
        probe.reason = ParameterText::nameRefusalText();
        finish(index);
    } else {
        send(index, StepRename);
    }
}

void CommissioningSender::finish(int index)
{
    Probe &probe = m_probes[size_t(index)];
    probe.step = StepDone;
    probe.done = true;
    ++m_done;
    setProgress(double(m_done) / m_targets.size());
    reportDone();
    openMore();
}

void CommissioningSender::reportDone()
{
    while (!hasEnded() && m_results.size() < m_targets.size() && m_probes[size_t(m_results.size())].done) {
        const int index = m_results.size();
        m_results.append(place(index));
        m_probes[size_t(index)].clock.reset();
        emit addressReported(index);
    }
    if (!hasEnded() && m_results.size() == m_targets.size())
        emitFinished();
}

CommissionedAddress CommissioningSender::place(int index)
{
    const CommissioningTarget &target = m_targets.at(index);
    Probe &probe = m_probes[size_t(index)];
    CommissionedAddress result;
    result.ip = target.ip;
    result.outcome = probe.finding;
    result.rename = probe.rename;
    result.reason = probe.reason;
    if (!probe.clock)
        return result;
    std::unique_ptr<DevClock> own = target.ownClockInstead(*probe.clock);
    const bool unreached = own != nullptr;
    if (unreached) {
        result.reason = QCoreApplication::translate("CommissioningSender", "another clock (%1) answers at this address")
                            .arg(probe.clock->mac);
        probe.clock = std::move(own);
    }

    ClockRegistry *registry = ClockRegistry::instance();
    ClockMerge::Finding finding = ClockMerge::find(registry->clocks(), *probe.clock, m_claimed);
    // A clock not reached does not move on the plan's word.
    if (unreached && finding.match == ClockMerge::Match::Moved)
        finding = {ClockMerge::Match::Listed, finding.index, QString()};
    DevClock *listed = nullptr;
    if (finding.match == ClockMerge::Match::New) {
        listed = probe.clock.release();
        registry->addClock(listed);
        result.outcome = CommissionedAddress::Added;
    } else {
        listed = registry->clockAt(finding.index);
        ClockMerge::update(*listed, *probe.clock, finding.match);
        result.outcome = finding.match == ClockMerge::Match::Moved ? CommissionedAddress::Moved
                                                                    : CommissionedAddress::AlreadyListed;
        result.movedFrom = finding.movedFrom;
    }
    m_claimed.insert(listed->id);
    const int group = ClockMerge::groupNamed(*registry, target.group);
    if (group >= 0)
        registry->setClockGroup(registry->indexOfClock(listed), group);
    if (const DevGroup *member = registry->groupOfClock(listed))
        result.group = member->name();
    result.clockId = listed->id;
    result.name = listed->name;
    result.productCode = listed->productCode;
    result.firmware = listed->firmware;
    return result;
}
