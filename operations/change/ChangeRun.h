#pragma once

#include "operations/change/ChangeRunState.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class Communication;
class DataSender;

// A change to many clocks, a plan before it is an action. plan() reads every
// clock not yet done and works out what it would get (ChangePlan); apply()
// sends each planned clock only the parts whose bytes change, reads it back
// and counts it verified only when it shows the change. Clocks go in waves:
// a first, small one, then waves of the same size; between waves the run
// stops once more clocks failed than allowed. Within a wave the exchanges
// run side by side under the schedule's rules (one at a time per address).
//
// The state is handed to the saver before any clock is sent and after each
// wave (and now and then in between), so that a run killed at any point can
// be resumed from its file: a clock that was being sent is read again, and
// one that shows the change already is verified, never sent twice.
class ChangeRun : public QObject
{
    Q_OBJECT

public:
    using Saver = std::function<bool(const ChangeRunState &state, QString *why)>;

    // A new run or one read back from its file; its clocks need their
    // targets (and for align their group configuration) set.
    ChangeRun(Communication &exchanges, const ChangeRunState &state, QObject *parent = nullptr);
    ~ChangeRun() override;

    void setSaver(Saver saver) { m_saver = std::move(saver); }
    // How long apart the saves within a wave are at least.
    void setSaveIntervalMs(int ms) { m_saveIntervalMs = ms; }

    ChangeRunState &state() { return m_state; }
    const ChangeRunState &state() const { return m_state; }

    // Reads every clock that is not done; then planned.
    void plan();
    // Sends the planned clocks in waves; then finished. A run whose state
    // cannot be saved sends nothing (saveError says why).
    void apply();
    // Stops after the wave under way.
    void stop() { m_stopRequested = true; }

    int plannedCount() const;
    int canarySize() const;
    int waveSize() const;
    // Failures the run goes on after; one more stops it between waves.
    int allowedFailures() const;
    QString saveError() const { return m_saveError; }

signals:
    void progress(int done, int total);
    void planned();
    void waveStarted(int number, int clocks);
    // The clock at index in the state was sent to and is verified or failed.
    void clockFinished(int index);
    void finished();

private slots:
    void onDownloaded(DataSender *sender);
    void onSent(DataSender *sender);
    void onReadBack(DataSender *sender);

private:
    void startWave();
    void finishClock(int index);
    bool save(bool force);
    void dropSenders();

    Communication &m_exchanges;
    ChangeRunState m_state;
    Saver m_saver;
    int m_saveIntervalMs = 1000;
    QElapsedTimer m_sinceSave;
    QString m_saveError;
    bool m_stopRequested = false;

    QHash<DataSender *, int> m_senders; // running or queued, to the clock's index
    QVector<int> m_queue;               // planned clocks not yet in a wave
    int m_planTotal = 0;
    int m_planDone = 0;
    int m_waveNumber = 0;
    int m_inWave = 0;
    int m_toApply = 0;
    // Clocks that were being sent when an earlier run ended, and what it planned.
    QHash<int, QVector<FieldChange>> m_wasSending;
};
