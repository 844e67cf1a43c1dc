#pragma once

#include "operations/SenderTarget.h"
#include "transport/WorkerThreadPool.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

class ClockConfig;
class ClockIntake;
class ClockRegistry;
class CommissioningSender;
struct CommissioningTarget;
struct ClockNetworkSettings;
class ConflictResolver;
class DataSender;
class DeviceFinder;
class GetConfigurationSender;
class GetStatusSender;
class RefreshStatusSender;
class SenderPool;
class SetConfigurationSender;
class SetNetworkSender;
class SimpleSender;

// The exchanges of one program with its clocks: the entry point for clock
// operations and the worker pool they run on. Each program's main() makes
// one and hands it to whatever talks to clocks; two share nothing. Each
// factory builds the sender, queues it and returns it; the caller connects to
// its signals right away, which is safe because the pool starts senders only
// from the event loop.
class Communication : public QObject
{
    Q_OBJECT

public:
    explicit Communication(QObject *parent = nullptr);
    ~Communication() override;

    DeviceFinder *findDevices(const QString &user, const QString &password, const ClockRegistry &listed);
    GetConfigurationSender *getConfiguration(const SenderTarget &target);
    SetConfigurationSender *setConfiguration(const ClockConfig &config, const QList<SenderTarget> &targets);
    GetStatusSender *getStatus(const QList<SenderTarget> &targets);
    RefreshStatusSender *refreshStatus(const SenderTarget &target);
    SimpleSender *setName(const SenderTarget &target, const QString &name);
    SetNetworkSender *setNetwork(const SenderTarget &target, const ClockNetworkSettings &settings);
    SimpleSender *setPassword(const SenderTarget &target, const QString &oldPassword, const QString &newPassword);
    // Looks for clocks at the targets and puts them on the device list (see
    // CommissioningSender); from a plan, renames them when asked.
    CommissioningSender *commission(const QVector<CommissioningTarget> &targets, bool renameFromPlan,
                                    const ClockIntake &listing);
    ConflictResolver *resolveConflicts(const QString &user, const QString &password, const QString &firstIp,
                                       const QString &firstMac);
    // Takes the sender out of the pool and cancels it; false when it is not there.
    bool cancel(DataSender *sender);

    SenderPool *pool() const { return m_pool; }
    // Where every exchange of these operations, and the poller's, runs.
    WorkerThreadPool &workers() { return m_workers; }
    const WorkerThreadPool &workers() const { return m_workers; }

private:
    template<typename T> T *queue(T *sender);

    WorkerThreadPool m_workers;
    SenderPool *m_pool;
};
