#pragma once

#include <QObject>
#include <QVector>

#include <functional>

class DataSender;
class DevClock;
struct PageServices;

// The result slots every page shares for the operations it runs through the
// OperationRunner: each reads the sender's outcome, reports a failure and
// carries a success into the device list, the editor and a toast or message.
class ResultSlots : public QObject
{
    Q_OBJECT

public:
    // services must outlive this object (the window owns both).
    explicit ResultSlots(const PageServices &services, QObject *parent = nullptr);

    // Hands the clocks a search found to handOver, which owns them then.
    void onDeviceFinderFinished(DataSender *dataSender,
                                const std::function<void(QVector<DevClock *>)> &handOver);

public slots:
    void onStatusRefreshFinished(DataSender *dataSender);
    void onGetConfigurationFinished(DataSender *dataSender);
    void onGetConfigurationFinishedOpenConfig(DataSender *dataSender);
    void onConfigSendFinished(DataSender *dataSender);
    void onConflictSolverFinished(DataSender *sender);

private:
    // The downloaded configuration into the listed clock; null when the
    // operation failed or the clock is gone.
    DevClock *storeDownloadedConfiguration(DataSender *dataSender);
    // onGetConfigurationFinished; the clock when it succeeded.
    DevClock *downloadFinished(DataSender *dataSender);

    const PageServices &m_services;
};
