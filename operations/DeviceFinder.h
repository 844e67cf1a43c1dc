#pragma once

// Discovery is a sender (queued, cancelled and reported like the others), so it
// lives with the senders rather than with the transport.

#include "operations/DataSender.h"
#include "values/NetworkCardData.h"

#include <QList>
#include <QString>
#include <QVector>

class ClockRegistry;
class DevClock;
class Worker;

// Finds the clocks on the local networks: a broadcast query on every usable
// interface, one after the other, then "/D" to every clock found, in
// parallel, for its name and network settings. Clocks without a known model
// and a firmware are dropped. It reads the list (for credentials) and never
// writes it: the caller decides what becomes of the clocks found.
class DeviceFinder : public DataSender
{
    Q_OBJECT

public:
    // listed outlives the search.
    DeviceFinder(const QString &user, const QString &password, const ClockRegistry &listed, QObject *parent = nullptr);
    ~DeviceFinder() override;

    // The clocks found. Ownership passes to the caller with the first call;
    // until then the finder deletes them with itself.
    QVector<DevClock *> clocks();

    int phase() const { return m_phase; }

    // Replies the system dropped because they came faster than they were
    // read: some clocks may be missing from clocks().
    int lostReplies() const { return m_lostReplies; }
    // What the window and the command line say when lostReplies() > 0.
    static QString lostRepliesText(int lost);

    // Drops the clocks found so far that are incomplete, then ends at once.
    void cancel() override;

public slots:
    // id: the clock's index in the second phase.
    void onWorkerFinish(Worker *worker, int id = -1);

protected:
    void run() override;

private:
    void queryCard();
    void queryClocks();
    void handleCardReplies(Worker *worker);
    void handleClockReply(Worker *worker, int index);
    // Without a user of the search's own, a listed clock at the found
    // clock's address (with its MAC, when both are known) lends its credentials.
    void takeListedCredentials(DevClock &clock) const;
    void dropIncompleteClocks();

    QString m_user;
    QString m_password;
    const ClockRegistry &m_listed;
    int m_phase = 0;
    int m_lostReplies = 0;
    int m_clocksAnswered = 0;
    QVector<DevClock *> m_clocks;
    bool m_clocksTaken = false;
    QList<NetworkCardData> m_cards;
    int m_cardIndex = -1;
};
