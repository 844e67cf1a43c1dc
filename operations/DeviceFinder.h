#pragma once

// Discovery is a sender (queued, cancelled and reported like the others), so it
// lives with the senders rather than with the transport.

#include "DataSender.h"
#include "NetworkCardData.h"

#include <QList>
#include <QString>
#include <QVector>

class DevClock;
class Worker;

// Finds the clocks on the local networks: a broadcast query on every usable
// interface, then "/D" to each clock found for its name and network settings.
// Clocks without a known model and a firmware are dropped.
class DeviceFinder : public DataSender
{
    Q_OBJECT

public:
    DeviceFinder(const QString &user, const QString &password, QObject *parent = nullptr);
    ~DeviceFinder() override;

    // The clocks found. Ownership passes to the caller with the first call;
    // until then the finder deletes them with itself.
    QVector<DevClock *> clocks();

    int phase() const { return m_phase; }

public slots:
    void onWorkerFinish(Worker *worker);

protected:
    void run() override;

private:
    void queryCard();
    void queryClock();
    void handleCardReplies(Worker *worker);
    void handleClockReply(Worker *worker);
    void dropIncompleteClocks();

    QString m_user;
    QString m_password;
    int m_phase = 0;
    int m_clockIndex = 0;
    QVector<DevClock *> m_clocks;
    bool m_clocksTaken = false;
    QList<NetworkCardData> m_cards;
    int m_cardIndex = -1;
};
