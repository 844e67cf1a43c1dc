#pragma once

#include "operations/change/ChangeRun.h"
#include "persistence/ClockEvent.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class ChangeRunModel;
class ClockRegistry;
class Communication;
class DevClock;

// "Change clocks..." of the window without its widgets: the clocks and the
// change chosen, then the preview (every clock read and planned, nothing
// sent), then the run in waves with Stop, then the result and its CSV.
// The run keeps its file where zentick-cli change keeps its own, so that
// `change --resume ID` goes on with a run the window stopped, and every
// clock it sends to is in the history as soon as it is done.
class ChangeClocksFlow : public QObject
{
    Q_OBJECT

public:
    enum class Phase { Choosing, Planning, Planned, Applying, Finished };
    using Recorder = std::function<void(const QString &ip, const OperatorChange &change)>;

    explicit ChangeClocksFlow(Communication &exchanges, QObject *parent = nullptr);
    ~ChangeClocksFlow() override;

    // The clocks with their credentials and group configurations, each once.
    void setClocks(const ClockRegistry &registry, const QList<DevClock *> &clocks);
    int clockCount() const { return m_clocks.size(); }
    void setRecipe(const ChangeRecipe &recipe) { m_recipe = recipe; }
    const ChangeRecipe &recipe() const { return m_recipe; }
    // 0, 0 and -1 take the run's defaults (1 %, 10 %, 5 %).
    void setWaves(int canary, int wave, int maxFailed);
    void setRecorder(Recorder recorder) { m_recorder = std::move(recorder); }
    // Where the run's state goes; the run file unless set.
    void setSaver(ChangeRun::Saver saver) { m_saver = std::move(saver); }

    // Reads and plans every clock; false (nothing started) without clocks,
    // without a change, or while a run is under way.
    bool preview();
    // Sends the planned clocks; false unless planned with something to send.
    bool apply();
    // Ends after the wave under way; the run can be resumed.
    void stop();
    // Back to choosing another change for the same clocks.
    void reset();
    // A run as it was planned, or as it ended (applied), without reading or
    // sending anything: one read back from its file.
    void showRun(const ChangeRunState &state, bool applied);

    Phase phase() const { return m_phase; }
    bool isBusy() const { return m_phase == Phase::Planning || m_phase == Phase::Applying; }
    // Null before the first preview.
    const ChangeRunState *state() const;
    int plannedCount() const;
    QString statusText() const { return m_status; }
    QString saveError() const;

    ChangeRunModel &previewModel() const { return *m_preview; }
    ChangeRunModel &resultModel() const { return *m_result; }

    // The result as zentick-cli change --csv prints it, written whole and
    // private; false with the reason.
    bool exportCsv(const QString &path, QString *why) const;
    QByteArray resultCsv() const;

signals:
    void phaseChanged(ChangeClocksFlow::Phase phase);
    void progressChanged(int done, int total);
    // A line for the user (and the screen reader) on how far the run got.
    void statusChanged(const QString &text);

private:
    void setPhase(Phase phase);
    void setStatus(const QString &text);
    void onPlanned();
    void onClockFinished(int index);
    void onFinished();

    Communication &m_exchanges;
    QVector<ClockChange> m_clocks;
    ChangeRecipe m_recipe;
    int m_canary = 0;
    int m_wave = 0;
    int m_maxFailed = -1;
    Recorder m_recorder;
    ChangeRun::Saver m_saver;
    std::unique_ptr<ChangeRun> m_run;
    Phase m_phase = Phase::Choosing;
    QString m_status;
    ChangeRunModel *m_preview;
    ChangeRunModel *m_result;
};
