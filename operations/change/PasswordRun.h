#pragma once

#include "operations/SenderTarget.h"
#include "operations/change/WaveRule.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>

class Communication;
class DataSender;

// One clock of a password run and how far it got.
struct PasswordClock
{
    enum class State {
        Planned,
        Sending,    // the command or its check is under way
        Verified,   // it answered a status poll with the new password
        Unverified, // it took the command, then answered with neither password
        Failed,     // it refused the command, or still answers to the old password
        Stopped,    // not reached: the run stopped before its wave
    };

    QString ip;
    QString name;
    SenderTarget target; // the credentials it answers to now
    QString oldPassword; // what the command gives as the old one
    QString newPassword;
    State state = State::Planned;
    QString error;
    QByteArray statusReply; // the verifying poll's reply

    // The clock most likely has the new password now: the one to keep for it.
    bool hasNewPassword() const { return state == State::Verified || state == State::Unverified; }
    // "Name (192.168.0.30)", or the address alone.
    QString label() const { return name.isEmpty() ? ip : QStringLiteral("%1 (%2)").arg(name, ip); }
    // "new" or "old": the password the device list keeps for it after the run.
    QString storedKey() const { return hasNewPassword() ? QStringLiteral("new") : QStringLiteral("old"); }
    // Why it is not verified, also for a clock the run never reached.
    QString resultError() const;
    static QString stateKey(State state);
    // The state as the result tables say it.
    static QString stateText(State state);
};

// A new password for many clocks in waves (WaveRule). Each clock gets the
// password command, then, after a short pause, a status poll with the new
// password: only an answer to it makes the clock verified. A clock that took
// the command but does not answer with the new password is polled with the
// old one: answering with it, it failed (it kept the old password); with
// neither, it is unverified, most likely holding the new password, which the
// caller should keep so as not to lose it. Failed and unverified clocks count
// towards the stop rule.
class PasswordRun : public QObject
{
    Q_OBJECT

public:
    PasswordRun(Communication &exchanges, const QVector<PasswordClock> &clocks, const WaveRule &rule,
                QObject *parent = nullptr);
    ~PasswordRun() override;

    // How long a clock is given to take its new password before the check.
    void setSettleMs(int ms) { m_settleMs = ms; }

    const QVector<PasswordClock> &clocks() const { return m_clocks; }
    bool stopped() const { return m_stopped; }
    int canarySize() const { return m_rule.canarySize(m_clocks.size()); }
    int waveSize() const { return m_rule.waveSize(m_clocks.size()); }
    int allowedFailures() const { return m_rule.allowedFailures(m_clocks.size()); }

    // clock,ip,state,verified,stored,error: zentick-cli password --csv and
    // the window's export alike. No password is in it.
    static QByteArray resultCsv(const QVector<PasswordClock> &clocks);

    // Sends the planned clocks in waves; then finished.
    void apply();
    // Stops after the wave under way.
    void stop() { m_stopRequested = true; }

signals:
    void waveStarted(int number, int clocks);
    // The clock acknowledged the command; its check follows.
    void commandTaken(int index);
    // The clock at index is verified, unverified or failed.
    void clockFinished(int index);
    void progress(int done, int total);
    void finished();

private slots:
    void onSent(DataSender *sender);
    void onPolled(DataSender *sender);

private:
    enum class Step { Command, NewPassword, OldPassword };
    void startWave();
    void poll(int index, Step step);
    void finishClock(int index, PasswordClock::State state, const QString &error = QString());
    void watch(DataSender *sender, int index, Step step);

    Communication &m_exchanges;
    QVector<PasswordClock> m_clocks;
    WaveRule m_rule;
    int m_settleMs = 1000;
    bool m_stopRequested = false;
    bool m_stopped = false;
    QVector<int> m_queue;
    QHash<DataSender *, QPair<int, Step>> m_senders;
    int m_waveNumber = 0;
    int m_inWave = 0;
    int m_finished = 0;
};
