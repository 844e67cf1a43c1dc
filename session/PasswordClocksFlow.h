#pragma once

#include "operations/change/PasswordRun.h"
#include "persistence/ClockEvent.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class ClockRegistry;
class Communication;
class DevClock;
class PasswordRunModel;

// "Change passwords..." of the window without its widgets: the clocks, where
// their new passwords come from, then the run in waves with Stop (as
// zentick-cli password runs it) and the result and its CSV.
//
// A clock that acknowledged the command has its new password on the device
// list at once, so that the window's own polls meanwhile ask with it; one
// that then still answers to the old password gets that back. The list is
// saved before each later wave and at the end. Made passwords are in their
// file before the first clock is sent.
class PasswordClocksFlow : public QObject
{
    Q_OBJECT

public:
    enum class Phase { Choosing, Applying, Finished };
    enum class Source { Given, Generated, List };
    using Recorder = std::function<void(const QString &ip, const OperatorChange &change)>;

    struct Choice
    {
        Source source = Source::Given;
        QString password;    // Given
        QString path;        // Generated: the file to write; List: the file to read
        QString oldPassword; // empty: each clock's stored one
    };

    PasswordClocksFlow(Communication &exchanges, ClockRegistry &registry, QObject *parent = nullptr);
    ~PasswordClocksFlow() override;

    // The clocks, each once, in the order given.
    void setClocks(const QList<DevClock *> &clocks);
    int clockCount() const { return clocks().size(); }
    // 0, 0 and -1 take the run's defaults (1 %, 10 %, 5 %).
    void setWaves(int canary, int wave, int maxFailed);
    void setSettleMs(int ms) { m_settleMs = ms; }
    void setRecorder(Recorder recorder) { m_recorder = std::move(recorder); }
    // Asked to save the device list after clocks took their new passwords.
    void setListSaver(std::function<void()> saver) { m_saveList = std::move(saver); }

    // Sends in waves; false, with why and nothing sent, for a choice that
    // cannot be sent: no clocks, a password a clock cannot take, a list
    // that cannot be read or names no password for a clock, a file of made
    // passwords that cannot be written.
    bool start(const Choice &choice, QString *why);
    // Ends after the wave under way.
    void stop();
    // A run as it ended, without sending anything.
    void showResult(const QString &id, const QVector<PasswordClock> &clocks, bool stopped);

    Phase phase() const { return m_phase; }
    bool isBusy() const { return m_phase == Phase::Applying; }
    const QVector<PasswordClock> &clocks() const;
    QString statusText() const { return m_status; }
    PasswordRunModel &model() const { return *m_model; }

    // The result as zentick-cli password --csv prints it, written whole and
    // private; false with the reason.
    bool exportCsv(const QString &path, QString *why) const;

signals:
    void phaseChanged(PasswordClocksFlow::Phase phase);
    void progressChanged(int done, int total);
    // A line for the user (and the screen reader) on how far the run got.
    void statusChanged(const QString &text);

private:
    bool plan(const Choice &choice, QVector<PasswordClock> &clocks, QString *why) const;
    void onCommandTaken(int index);
    void onClockFinished(int index);
    void onFinished();
    void saveListIfChanged();
    void finish(bool stopped);
    void setPhase(Phase phase);
    void setStatus(const QString &text);

    Communication &m_exchanges;
    ClockRegistry &m_registry;
    QVector<PasswordClock> m_planned;
    QVector<quint64> m_ids; // beside m_planned: the list's clocks
    WaveRule m_rule;
    int m_settleMs = 1000;
    Recorder m_recorder;
    std::function<void()> m_saveList;
    std::unique_ptr<PasswordRun> m_run;
    QString m_id;
    bool m_listChanged = false;
    Phase m_phase = Phase::Choosing;
    QString m_status;
    PasswordRunModel *m_model;
};
