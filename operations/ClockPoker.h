#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

class DataSender;
class DevClock;

// Keeps every listed clock's status fresh: one status request at a time, each
// clock at most once per due interval, the search for the next due clock
// starting after the clock polled last.
class ClockPoker : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTickMs = 100;
    static constexpr int DefaultDueAfterSeconds = 10;

    explicit ClockPoker(QObject *parent = nullptr);

    // A clock is due when more than this many whole seconds lie between its
    // last update and now.
    void setDueAfterSeconds(int seconds) { m_dueAfterSeconds = seconds; }
    void setTickInterval(int ms) { m_pollTimer.setInterval(ms); }

    bool isPolling() const { return !m_inFlight.isEmpty(); }

signals:
    void ClockStatusUpdated(quint64 id);
    // Before ClockStatusUpdated: whether the poll got a status that parsed.
    void PollFinished(quint64 id, bool answered);
    // The poller starts again from the top of the list (and at its first poll).
    void PollRoundStarted();

private slots:
    void onClockTimeout();
    void onPokeFinished(DataSender *sender);
    void onPokeCanceled(DataSender *sender);

private:
    bool isDue(const DevClock &clock) const;
    void poke(DevClock *clock);

    QTimer m_pollTimer;
    int m_cursor = -1; // the clock polled last
    QList<quint64> m_inFlight;
    int m_dueAfterSeconds = DefaultDueAfterSeconds;
};
