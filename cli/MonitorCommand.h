#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>

#include <memory>

class CliSession;
class ClockPoker;
class DevClock;
class QEventLoop;
class Reporter;

// The headless equivalent of leaving the window open in the tray: polls every
// listed clock, mails alerts by the notification settings, runs the value
// report by the report settings, saves the state file on a timer and when
// SIGINT or SIGTERM arrives, and prints one line per status change.
class MonitorCommand : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultSaveIntervalMs = 150 * 1000;

    explicit MonitorCommand(CliSession &session, QObject *parent = nullptr);
    ~MonitorCommand() override;

    void setSaveIntervalMs(int ms) { m_saveTimer.setInterval(ms); }

    // Runs until a stop signal; returns the exit status.
    int run();

    // The status as one line: the status text without its last-update part,
    // which the time column already shows.
    static QString statusWithoutUpdateTime(const DevClock &clock);

public slots:
    void SlotClockStatusUpdated(quint64 id);
    void stop(int signalNumber);

private slots:
    void saveNow();

private:
    void printChange(const DevClock &clock);

    CliSession &m_session;
    std::unique_ptr<ClockPoker> m_poker;
    std::unique_ptr<Reporter> m_reporter;
    QTimer m_saveTimer;
    QHash<quint64, int> m_shownStatus; // the NTP state last printed per clock id
    QEventLoop *m_loop = nullptr;
    int m_exitStatus = 0;
};
