#pragma once

#include "values/Error.h"
#include "transport/ExchangeLane.h"
#include "transport/Worker.h"
#include "transport/WorkerThread.h"

#include <QObject>
#include <QPointer>

class CommandWWW;
class Worker;
class WorkerThreadPool;
struct SenderTarget;

// One operation against one or many clocks, started by the SenderPool. It ends
// with exactly one of finished, error or canceled, once; the base enforces
// that, so a late worker result after a cancel cannot end a sender a second
// time. Its exchanges run in parallel with other operations' exchanges, under
// the rules of ExchangeSchedule; when it ends, those still waiting never start.
class DataSender : public QObject
{
    Q_OBJECT

public:
    // Results kept in result().
    enum Result { Running = 0, Succeeded = 0, Failed = 1, Canceled = 2 };

    explicit DataSender(quint64 clockId = 0, QObject *parent = nullptr);
    ~DataSender() override;

    // Called only by the pool. Does nothing for a sender that already ran or ended.
    void start();

    // Sets cancelRequested and ends with canceled at once: exchanges still
    // waiting never start, and what the running ones bring back is dropped.
    virtual void cancel();
    // The clock a result belongs to; the base has one clock for every index.
    virtual quint64 clockId(int index = 0) const;

    bool isStarted() const { return m_started; }
    bool isCancelRequested() const { return m_cancelRequested; }
    bool hasEnded() const { return m_ended; }
    double progress() const { return m_progress; }
    // The status poller's senders run in the poll lane, probes of addresses
    // in the probe lane (with the probe connect wait); set before the start.
    void setLane(ExchangeLane lane) { m_lane = lane; }
    ExchangeLane lane() const { return m_lane; }
    // The pool its exchanges run on, set by Communication before the start;
    // without one a sender can make no exchange.
    void setWorkers(WorkerThreadPool *workers);
    WorkerThreadPool *workers() const;
    int result() const { return m_result; }
    // The kind of the failure that ended the sender; NoError otherwise.
    Error errorCode() const { return m_error; }
    // Why, in words, when the exchange that failed said (see WorkerWWW).
    QString errorReason() const { return m_errorReason; }

signals:
    void updateProgress(double value);
    void finished(DataSender *dataSender);
    void error(DataSender *dataSender);
    void canceled(DataSender *dataSender);

protected:
    virtual void run() = 0;

    void setProgress(double value);
    void addProgress(double delta);
    void setResult(int result) { m_result = result; }
    void setErrorCode(Error error) { m_error = error; }
    // The kind and reason of a failed exchange's worker.
    void setErrorFrom(Worker *worker);
    // The three ways to end; each does nothing once the sender has ended.
    void emitFinished();
    void fail();
    void markCanceled();

    // Starts one HTTP exchange of command with the target on the worker pool;
    // its result arrives at slot with the given id. False when no worker could
    // be made (nothing was started).
    // An ended sender sends nothing more (and says so with true: nothing failed).
    template<typename Receiver, typename... Args>
    bool sendExchange(const SenderTarget &target, CommandWWW &command, int id, void (Receiver::*slot)(Args...))
    {
        if (m_ended)
            return true;
        WorkerThread *thread = makeExchange(target, command, id);
        if (!thread)
            return false;
        connect(thread, &WorkerThread::Finished, static_cast<Receiver *>(this), slot);
        startExchange(thread);
        return true;
    }

    // Hands a worker of this sender (connected to its slot) to the worker pool.
    void startExchange(WorkerThread *thread);

private:
    WorkerThread *makeExchange(const SenderTarget &target, CommandWWW &command, int id) const;
    bool beginEnd();

    quint64 m_clockId;
    bool m_started = false;
    bool m_cancelRequested = false;
    bool m_ended = false;
    double m_progress = 0.0;
    int m_result = Running;
    Error m_error = NoError;
    QString m_errorReason;
    ExchangeLane m_lane = ExchangeLane::User;
    // Guarded: a sender may outlive the pool at the end of the program.
    QPointer<WorkerThreadPool> m_workers;
};
