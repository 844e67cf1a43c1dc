#pragma once

#include "transport/ExchangeLane.h"
#include "transport/ExchangeLoop.h"
#include "transport/ExchangeSchedule.h"
#include "transport/HttpExchange.h"

#include <QHash>
#include <QObject>
#include <QThread>
#include <QThreadPool>

#include <functional>

class WorkerThread;

// The threads on which the network exchanges of one program run, and the
// way onto them: start() hands an exchange to the ExchangeSchedule, which
// decides when it runs (one exchange per clock address, a bound per lane,
// user operations before probes before polls). Lives on the GUI thread.
// HTTP exchanges run together on one thread (ExchangeLoop); the UDP
// discovery window and the raw TCP exchanges, which wait on their sockets,
// take a pool thread each. Each program makes one (see Communication); two
// pools share nothing.
class WorkerThreadPool : public QObject
{
    Q_OBJECT

public:
    explicit WorkerThreadPool(QObject *parent = nullptr);
    ~WorkerThreadPool() override;

    // Queues the exchange; the pool deletes the runnable after it ran, or
    // when its owner withdraws it first. The owner is the operation the
    // exchange belongs to (none for a one-off exchange).
    void start(WorkerThread *thread, ExchangeLane lane = ExchangeLane::User, const QObject *owner = nullptr);
    // An HTTP exchange carried by the exchange loop without a worker or a
    // thread object: the status poller starts thousands a minute. Scheduled
    // as start() schedules a worker (key, lane, owner); done runs on this
    // thread when it ended, unless the owner withdrew it before it started.
    using LoopDone = ExchangeLoop::Done;
    void startOnLoop(const QString &key, ExchangeLane lane, const QObject *owner, ExchangeLoop::Request request,
                            LoopDone done);
    // The owner's exchanges still waiting never start (their workers are
    // deleted), and its clocks are open to polls again. Running ones go on;
    // their results reach whoever still listens.
    void withdraw(const QObject *owner);

    // The waits of the HTTP exchanges started from here on; only tests
    // shorten them. A probe waits probeConnectMs for its connection.
    void setWaits(const HttpExchange::Waits &waits) { m_waits = waits; }
    HttpExchange::Waits waits() const { return m_waits; }
    void setProbeConnectMs(int ms) { m_probeConnectMs = ms; }
    HttpExchange::Waits probeWaits() const;

    // Parallel exchanges in the user lane, and the poll lane's floor.
    void setBound(int bound);
    int bound() const { return m_schedule.bound(); }
    // Parallel exchanges in the probe lane.
    void setProbeBound(int bound);
    int probeBound() const { return m_schedule.probeBound(); }
    // The most polls in flight in the poll and retry lanes together.
    void setPollCeiling(int ceiling);
    // See ExchangeSchedule::setPollDemand.
    void setPollDemand(ExchangeLane lane, double pollsPerSecond);
    const ExchangeSchedule &schedule() const { return m_schedule; }

    // At start-up: the parallel setting, the poll ceiling, and the soft limit
    // of open files raised to the hard one, as every poll holds a socket.
    void configure(int parallel, int pollCeiling);
    // One line for the start-up log: how many polls may run at once.
    QString capacityText() const;

    // For tests and shutdown: waits until no exchange runs.
    bool waitForDone(int msecs);

private:
    void dispatch();
    void fitThreads();
    void onExchangeEnded(ExchangeSchedule::Id id);
    // HTTP exchanges run on the exchange loop, not a thread each: false for
    // any other, which takes a pool thread.
    bool runOnLoop(WorkerThread *thread);

    QThreadPool m_threads;
    ExchangeSchedule m_schedule;
    QHash<ExchangeSchedule::Id, WorkerThread *> m_waiting;
    struct LoopExchange
    {
        ExchangeLoop::Request request;
        LoopDone done;
    };
    QHash<ExchangeSchedule::Id, LoopExchange> m_waitingOnLoop;
    HttpExchange::Waits m_waits;
    int m_probeConnectMs = HttpExchange::defaultProbeConnectTimeoutMs;
    // The soft limit of open files after configure(); 0 before.
    quint64 m_openFileLimit = 0;
    // Last: stopped before anything it reports to is gone.
    ExchangeLoop m_exchanges{this};
};
