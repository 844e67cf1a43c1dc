#pragma once

#include "transport/CommandWWW.h"
#include "operations/DataSender.h"
#include "operations/SenderTarget.h"

#include <memory>

class DevClock;
class Worker;

// Three read-only exchanges with one clock, one after the other, each reply
// parsed into a scratch clock that the caller copies from on finished. The
// first failing exchange ends the sender with error.
class SteppedClockSender : public DataSender
{
    Q_OBJECT

public:
    ~SteppedClockSender() override;

    SenderTarget target() const { return m_target; }

protected:
    static constexpr int StepCount = 3;

    explicit SteppedClockSender(const SenderTarget &target, QObject *parent = nullptr);

    void run() override;

    DevClock *scratchClock() const { return m_scratchClock.get(); }

    // The command of step 0 .. StepCount - 1, and what to do with its reply.
    virtual CommandType stepCommand(int step) const = 0;
    virtual void parseStep(int step, const QString &reply) = 0;

private slots:
    void onWorkerFinished(Worker *worker, int id);

private:
    void sendStep();

    SenderTarget m_target;
    std::unique_ptr<DevClock> m_scratchClock;
    int m_step = 0;
};
