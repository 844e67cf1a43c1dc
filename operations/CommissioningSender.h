#pragma once

#include "operations/CommissionedAddress.h"
#include "operations/DataSender.h"

#include <QVector>

#include <memory>
#include <vector>

class DevClock;
struct SenderTarget;
class Worker;

// Puts the clocks of an address range or a plan on the device list by asking
// every address directly over HTTP, no broadcast: clocks behind routers never
// hear one. Each address first gets "/F" without credentials: only one that
// answers as a clock does (the 401 of its server, or a device-information
// reply) is sent the password. Then "/F" (is it a clock, which model, which
// MAC), "/D" (name, network settings) and "/T1" (status), one after the other;
// many addresses are asked at once, in the probe lane of the worker pool
// (ExchangeSchedule), with the probe's shorter connect wait.
//
// Results are reported in the order of the targets, each as soon as it and
// every address before it are done (addressReported); the caller hands each
// finding to its list (CommissioningFinding::takeInto, ClockMerge: added,
// already listed or moved; from a plan, into its group, created when
// missing) before the next address is reported. The run reads the list
// through the caller's intake and never writes it. Progress counts the
// addresses done. Cancel (Communication::cancel) is exact: no exchange
// starts after it and nothing is reported after it.
//
// A listed clock found at another address by its MAC moves only when its old
// address no longer answers with that MAC ("/F" there, with the listed
// credentials the poller sends there anyway); otherwise it is a MAC conflict
// and neither record changes.
//
// From a plan, on request, a clock whose name differs from the plan's is
// renamed first (the name command, "/D" with the name); the list then holds
// the plan's name. A plan row where nothing answers is listed all the same,
// as not reachable (CommissioningTarget::listWhenSilent).
class CommissioningSender : public DataSender
{
    Q_OBJECT

public:
    // listing: the list the clocks found go onto, as the caller takes them
    // (credentials lent by listed clocks, the old address of a clock that
    // seems to have moved); it outlives the run.
    CommissioningSender(const QVector<CommissioningTarget> &targets, bool renameFromPlan, const ClockIntake &listing,
                        QObject *parent = nullptr);
    ~CommissioningSender() override;

    int targetCount() const { return m_targets.size(); }
    // The finding of the address addressReported is being emitted for.
    CommissioningFinding &finding() { return m_finding; }

signals:
    // The index-th target is done: finding() tells what was found there.
    void addressReported(int index);

protected:
    void run() override;

private slots:
    void onWorkerFinished(Worker *worker, int index);

private:
    enum Step { StepProbe, StepIdentify, StepNetwork, StepStatus, StepOldAddress, StepRename, StepDone };
    struct Probe
    {
        Step step = StepProbe;
        bool done = false;
        CommissionedAddress::Outcome finding = CommissionedAddress::NoAnswer;
        CommissionedAddress::Rename rename = CommissionedAddress::Rename::NotAsked;
        QString reason;
        std::unique_ptr<DevClock> clock;
        // The old address of a listed clock with this MAC, once asked, and
        // whether it still answers there with the MAC.
        QString checkedOld;
        bool oldStillThere = false;
        // The old address answered, with another clock's MAC: the move is sure.
        bool oldAnsweredOther = false;
    };

    // Plan rows without credentials of their own take those stored for the
    // clock listed at their address.
    void takeListedCredentials();
    void openMore();
    void send(int index, Step step);
    void sendTo(int index, Step step, const SenderTarget &to);
    void probe(int index, Worker *worker);
    void identify(int index, Worker *worker);
    // After the status: asks the old address of a listed clock that seems to
    // have moved here, or goes on.
    void checkOldAddress(int index);
    // After the status: rename when asked and the names differ, or finish.
    void renameOrFinish(int index);
    void finish(int index);
    void reportDone();
    CommissioningFinding findingOf(int index);
    void notAClock(int index, const QString &reason);

    QVector<CommissioningTarget> m_targets;
    bool m_renameFromPlan;
    std::vector<Probe> m_probes;
    const ClockIntake &m_listing;
    CommissioningFinding m_finding;
    int m_reported = 0;
    int m_opened = 0;
    int m_done = 0;
};
