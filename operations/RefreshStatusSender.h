#pragma once

#include "DataSender.h"
#include "SenderTarget.h"

#include <memory>

class DevClock;
class Worker;

// "Refresh status": firmware, network settings and status of one clock, one
// exchange after the other, parsed into a scratch clock that the window copies
// from on finished. Runs to its end even when canceled.
class RefreshStatusSender : public DataSender
{
    Q_OBJECT

public:
    explicit RefreshStatusSender(const SenderTarget &target, QObject *parent = nullptr);
    ~RefreshStatusSender() override;

    DevClock *refreshedClock() const { return m_refreshedClock.get(); }

protected:
    void run() override;

private slots:
    void onWorkerFinished(Worker *worker, int id);

private:
    void sendStep();

    SenderTarget m_target;
    std::unique_ptr<DevClock> m_refreshedClock;
    int m_step = 0;
};
