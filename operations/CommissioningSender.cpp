#include "operations/CommissioningSender.h"

#include "model/ClockMerge.h"
#include "model/ClockRegistry.h"
#include "operations/CommandBodies.h"
#include "transport/CommandWWW.h"
#include "model/DevClock.h"
#include "model/ParameterText.h"
#include "model/ReplyParser.h"
#include "operations/SenderTarget.h"
#include "transport/Worker.h"
#include "transport/WorkerThreadPool.h"
#include "transport/WorkerWWW.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The replies carry no HTTP status of their own: the worker already refused anything but 200.
constexpr int noStatusCode = 0;
// Addresses begun and not yet done, per probe slot of the pool: enough that
// a freed slot always finds the next address waiting, few enough that a
// range of 65536 addresses never queues 65536 exchanges.
constexpr int openPerSlot = 2;

} // namespace

CommissioningSender::CommissioningSender(const QVector<CommissioningTarget> &targets, bool renameFromPlan,
                                         const ClockIntake &listing, QObject *parent)
    : DataSender(0, parent)
    , m_targets(targets)
    , m_renameFromPlan(renameFromPlan)
    , m_probes(size_t(targets.size()))
    , m_listing(listing)
{
    setLane(ExchangeLane::Probe);
    qRegisterMetaType<CommissionedAddress>("CommissionedAddress");
}

CommissioningSender::~CommissioningSender() = default;

void CommissioningSender::run()
{
    takeListedCredentials();
    if (m_targets.isEmpty()) {
        emitFinished();
        return;
    }
    openMore();
}

void CommissioningSender::takeListedCredentials()
{
    QHash<QString, const DevClock *> listedAt;
    for (const DevClock *clock : m_listing.registry().clocks()) {
        if (!clock->user.isEmpty() || !clock->password.isEmpty())
            listedAt.insert(clock->network.ip, clock);
    }
    for (CommissioningTarget &target : m_targets) {
        const DevClock *clock = target.listedCredentials ? listedAt.value(target.ip) : nullptr;
        if (clock) {
            target.user = clock->user;
            target.password = clock->password;
        }
    }
}

void CommissioningSender::openMore()
{
    // Without workers every probe fails at once; one at a time is enough then.
    const int limit = openPerSlot * (workers() ? workers()->probeBound() : 1);
    while (!hasEnded() && m_opened < m_targets.size() && m_opened - m_done < limit)
        send(m_opened++, StepProbe);
}

void CommissioningSender::send(int index, Step step)
{
    const CommissioningTarget &target = m_targets.at(index);
    SenderTarget to;
    to.device.address = QHostAddress(target.ip);
    to.user = target.user;
    to.password = target.password;
    // Nothing but a clock's answer earns the password.
    to.withoutCredentials = step == StepProbe;
    sendTo(index, step, to);
}

void CommissioningSender::sendTo(int index, Step step, const SenderTarget &to)
{
    const CommissioningTarget &target = m_targets.at(index);
    m_probes[size_t(index)].step = step;
    static const CommandType commands[] = {ReadFirmware, ReadFirmware, ReadNetwork, ReadStatus, ReadFirmware, WriteName};
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
    case StepProbe:
        this->probe(index, worker);
        return;
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
            // Its MAC may still name a listed clock elsewhere.
            checkOldAddress(index);
            return;
        }
        if (!probe.clock->parseNetworkSettings(reply, noStatusCode, m_targets.at(index).user,
                                               m_targets.at(index).password)) {
            notAClock(index, QCoreApplication::translate("CommissioningSender",
                                                         "the network settings do not read as a clock's"));
            return;
        }
        // Some clocks name their model or MAC only here.
        probe.clock->learnIdentity(parseReplyMap(reply).values());
        send(index, StepStatus);
        return;
    case StepStatus:
        // A status that did not come leaves the clock to the poller; one
        // that came and does not read is no clock's.
        if (!worker->error() && !probe.clock->parseStatus(reply, noStatusCode)) {
            notAClock(index, QCoreApplication::translate("CommissioningSender", "the status does not read as a clock's"));
            return;
        }
        checkOldAddress(index);
        return;
    case StepOldAddress:
        probe.oldStillThere = !worker->error() && ClockMerge::stillThere(reply, probe.clock->mac);
        probe.oldAnsweredOther = !worker->error() && ClockMerge::answersWithOther(reply, probe.clock->mac);
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

void CommissioningSender::probe(int index, Worker *worker)
{
    auto *www = qobject_cast<WorkerWWW *>(worker);
    if (!worker->error()) {
        // Open to anyone: its reply says whether it is a clock.
        identify(index, worker);
        return;
    }
    if (www && www->errorCode() == AuthorizationError) {
        send(index, StepIdentify);
        return;
    }
    Probe &probe = m_probes[size_t(index)];
    probe.finding = worker->data().isEmpty() ? CommissionedAddress::NoAnswer : CommissionedAddress::NotAClock;
    probe.reason = www ? www->failureReason() : QString();
    if (probe.finding == CommissionedAddress::NotAClock)
        probe.reason = QCoreApplication::translate("CommissioningSender", "it does not answer as a clock does, so it "
                                                                          "was not sent the password");
    finish(index);
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
        probe.reason = QCoreApplication::translate("CommissioningSender", "the answer names no firmware");
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

void CommissioningSender::notAClock(int index, const QString &reason)
{
    Probe &probe = m_probes[size_t(index)];
    probe.clock.reset();
    probe.finding = CommissionedAddress::NotAClock;
    probe.reason = reason;
    finish(index);
}

void CommissioningSender::checkOldAddress(int index)
{
    Probe &probe = m_probes[size_t(index)];
    const ClockIntake::Result finding = m_listing.preview(*probe.clock, ClockIntake::Rules());
    // Conflict: the listed clock answered at its own address in this run.
    probe.oldStillThere = finding.taken == ClockIntake::Taken::Conflict;
    if (finding.taken != ClockIntake::Taken::Moved && finding.taken != ClockIntake::Taken::MoveUnconfirmed) {
        renameOrFinish(index);
        return;
    }
    // The address the poller asks for this clock anyway, with its credentials.
    SenderTarget old = SenderTarget::fromClock(*finding.clock);
    probe.checkedOld = finding.movedFrom;
    sendTo(index, StepOldAddress, old);
}

void CommissioningSender::renameOrFinish(int index)
{
    const CommissioningTarget &target = m_targets.at(index);
    Probe &probe = m_probes[size_t(index)];
    // A clock in a MAC conflict is left as it is; one whose read failed
    // cannot be renamed, nor one that is not the row's own clock.
    if (probe.oldStillThere || probe.rename == CommissionedAddress::Rename::Failed || !m_renameFromPlan
        || target.name.isEmpty() || target.name == probe.clock->name || target.ownClockInstead(*probe.clock)) {
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
    while (!hasEnded() && m_reported < m_targets.size() && m_probes[size_t(m_reported)].done) {
        const int index = m_reported++;
        m_finding = findingOf(index);
        emit addressReported(index);
        m_finding = CommissioningFinding();
    }
    if (!hasEnded() && m_reported == m_targets.size())
        emitFinished();
}

CommissioningFinding CommissioningSender::findingOf(int index)
{
    const CommissioningTarget &target = m_targets.at(index);
    Probe &probe = m_probes[size_t(index)];
    CommissioningFinding found;
    CommissionedAddress &result = found.address;
    result.ip = target.ip;
    result.outcome = probe.finding;
    result.rename = probe.rename;
    result.reason = probe.reason;
    found.rules.group = target.group;
    if (!probe.clock) {
        const bool refused = probe.finding == CommissionedAddress::WrongPassword;
        if ((probe.finding == CommissionedAddress::NoAnswer || refused) && target.listWhenSilent) {
            // A plan row where nothing answered, or that refused the plan's
            // password: onto the list as the plan gives it, not reachable.
            found.clock = std::make_unique<DevClock>();
            found.clock->network.ip = target.ip;
            found.clock->mac = target.mac;
            if (!target.name.isEmpty())
                found.clock->name = target.name;
            found.clock->user = target.user;
            found.clock->password = target.password;
            found.clock->productCode.clear();
            found.clock->firmware = 0;
            found.clock->lastError = refused ? AuthorizationError : ConnectionError;
            found.rules.silent = true;
        }
        return found;
    }
    std::unique_ptr<DevClock> own = target.ownClockInstead(*probe.clock);
    found.unreached = own != nullptr;
    if (found.unreached) {
        result.reason = QCoreApplication::translate("CommissioningSender", "another clock (%1) answers at this address")
                            .arg(probe.clock->mac);
        probe.clock = std::move(own);
        // A clock not reached does not move on the plan's word.
        found.rules.moves = ClockIntake::Moves::Stay;
    } else {
        // A move is taken only from an address asked that answered with
        // another MAC; one silent or refusing waits for confirmation.
        found.rules.moves = ClockIntake::Moves::Checked;
        found.rules.checkedFrom = probe.oldAnsweredOther ? probe.checkedOld : QString();
        found.rules.unconfirmedFrom = probe.oldStillThere || probe.oldAnsweredOther ? QString() : probe.checkedOld;
    }
    found.clock = std::move(probe.clock);
    return found;
}
