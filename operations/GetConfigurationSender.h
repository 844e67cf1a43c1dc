#pragma once

#include "DataSender.h"
#include "SenderTarget.h"

#include <memory>

class DevClock;
class Worker;

// Reads a clock's configuration in its three parts (time, display, alarms)
// into a scratch clock; the window copies it into the listed clock on
// finished. Runs to its end even when canceled.
class GetConfigurationSender : public DataSender
{
    Q_OBJECT

public:
    explicit GetConfigurationSender(const SenderTarget &target, QObject *parent = nullptr);
    ~GetConfigurationSender() override;

    DevClock *downloadedClock() const { return m_downloadedClock.get(); }
    SenderTarget target() const { return m_target; }

protected:
    void run() override;

private slots:
    void onWorkerFinished(Worker *worker, int id);

private:
    void sendStep();

    SenderTarget m_target;
    std::unique_ptr<DevClock> m_downloadedClock;
    int m_step = 0;
};
