#pragma once

#include "model/ClockConfig.h"

#include <QTableWidget>
#include <QTimer>

#include <array>

class TableItemCustom;

// The thirty alarm slots as rows of cell widgets: active, time, duration,
// mode ("Everyday" or "Selected days") and the seven days. Rows are built
// and filled one per turn of the event loop, so the window never freezes.
class AlarmTable : public QTableWidget
{
    Q_OBJECT

public:
    using Alarms = std::array<Alarm, alarmCount>;

    enum Column { ActiveColumn, TimeColumn, DurationColumn, ModeColumn, FirstDayColumn };
    static constexpr int columns = FirstDayColumn + daysPerWeek;
    enum Mode { Everyday, SelectedDays };
    static constexpr int durationMinimum = 1;
    static constexpr int durationMaximum = 59;

    explicit AlarmTable(QWidget *parent = nullptr);

    // Shows the alarms row by row; a load still running starts over.
    void load(const Alarms &alarms);
    bool isLoading() const { return m_nextRow >= 0; }
    // As shown; rows not loaded yet as given to load.
    Alarms alarms() const;
    // Switches every alarm off (nothing is sent).
    void disableAll();

signals:
    void loadingStarted();
    void rowLoaded(int row);
    void loadingFinished();

private:
    void loadNextRow();
    void createRow(int row);
    void showAlarm(int row, const Alarm &alarm);
    bool isRowShown(int row) const;
    Alarm shownAlarm(int row) const;
    TableItemCustom *cell(int row, int column) const;
    void onModeChanged(int row, int mode);
    void onDayClicked(int row);

    // What the rows were (or are being) filled from.
    Alarms m_filled{};
    // The next row to load; -1 when no load runs.
    int m_nextRow = -1;
    QTimer m_rowTimer;
};
