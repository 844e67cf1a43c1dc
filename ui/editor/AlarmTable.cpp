#include "ui/editor/AlarmTable.h"

#include "ui/editor/EditorFields.h"
#include "ui/widgets/TableItemCustom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLayout>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimeEdit>

namespace {

void centre(TableItemCustom *cell, QWidget *control)
{
    cell->layout()->setAlignment(control, Qt::AlignCenter);
}

} // namespace

AlarmTable::AlarmTable(QWidget *parent)
    : QTableWidget(parent)
{
    setColumnCount(columns);
    setHorizontalHeaderLabels({tr("Active"), tr("Time"), tr("Duration[s]"), tr("Mode"), tr("Mon"), tr("Tue"),
                               tr("Wed"), tr("Thu"), tr("Fri"), tr("Sat"), tr("Sun")});
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rowTimer.setInterval(0);
    connect(&m_rowTimer, &QTimer::timeout, this, &AlarmTable::loadNextRow);
}

void AlarmTable::load(const Alarms &alarms)
{
    m_filled = alarms;
    m_nextRow = 0;
    emit loadingStarted();
    m_rowTimer.start();
}

void AlarmTable::loadNextRow()
{
    const int row = m_nextRow;
    if (row < 0 || row >= alarmCount) {
        m_rowTimer.stop();
        return;
    }
    emit rowLoaded(row);
    if (!cell(row, ActiveColumn))
        createRow(row);
    showAlarm(row, m_filled[row]);
    m_nextRow = row + 1;
    if (m_nextRow < alarmCount)
        return;
    m_nextRow = -1;
    m_rowTimer.stop();
    emit loadingFinished();
    // Shown and styled now, so the cells know their sizes.
    resizeColumnsToContents();
}

void AlarmTable::createRow(int row)
{
    if (rowCount() <= row)
        setRowCount(row + 1);
    auto *active = new TableItemCustom(this, row);
    centre(active, active->addCheckBox(false));
    setCellWidget(row, ActiveColumn, active);

    auto *time = new QTimeEdit(this);
    time->setDisplayFormat(QStringLiteral("HH:mm"));
    time->setAccessibleName(tr("Alarm %1 time").arg(row + 1));
    setCellWidget(row, TimeColumn, time);

    auto *duration = new QSpinBox(this);
    duration->setRange(durationMinimum, durationMaximum);
    duration->setAccessibleName(tr("Alarm %1 duration").arg(row + 1));
    setCellWidget(row, DurationColumn, duration);

    auto *mode = new TableItemCustom(this, row);
    QComboBox *modeBox = mode->addComboBox({tr("Everyday"), tr("Selected days")}, Everyday);
    modeBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    modeBox->ensurePolished();
    // A bordered combo box in the style sheet leaves its arrow out of the
    // size hint, which cut "Selected days" short.
    QStyleOptionComboBox option;
    option.initFrom(modeBox);
    const int arrow = modeBox->style()
                          ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, modeBox)
                          .width();
    modeBox->setMinimumWidth(modeBox->sizeHint().width() + arrow);
    connect(mode, &TableItemCustom::ComboboxIndexChanged, this,
            [this](int modeRow, int /*box*/, int value) { onModeChanged(modeRow, value); });
    setCellWidget(row, ModeColumn, mode);

    for (int day = 0; day < daysPerWeek; ++day) {
        auto *dayCell = new TableItemCustom(this, row);
        centre(dayCell, dayCell->addCheckBox(false));
        connect(dayCell, &TableItemCustom::CheckboxClicked, this, [this, row] { onDayClicked(row); });
        setCellWidget(row, FirstDayColumn + day, dayCell);
    }
    // Styled now, a row at a time: left to the table's first paint, the
    // style sheet of every cell at once would hold up the window.
    for (int column = 0; column < columns; ++column)
        cellWidget(row, column)->ensurePolished();
}

TableItemCustom *AlarmTable::cell(int row, int column) const
{
    return qobject_cast<TableItemCustom *>(cellWidget(row, column));
}

void AlarmTable::showAlarm(int row, const Alarm &alarm)
{
    cell(row, ActiveColumn)->setChecked(alarm.Active);
    EditorFields::setTime(static_cast<QTimeEdit *>(cellWidget(row, TimeColumn)), alarm.Time);
    EditorFields::setNumber(static_cast<QSpinBox *>(cellWidget(row, DurationColumn)), alarm.Duration);
    // The mode first: "Everyday" checks every day, then the days as stored.
    cell(row, ModeColumn)->setComboIndex(0, alarm.SelectedDaysMode ? SelectedDays : Everyday);
    for (int day = 1; day <= daysPerWeek; ++day)
        cell(row, FirstDayColumn + day - 1)->setChecked(alarm.dayActive(day));
}

bool AlarmTable::isRowShown(int row) const
{
    return (m_nextRow < 0 || row < m_nextRow) && cell(row, ActiveColumn);
}

Alarm AlarmTable::shownAlarm(int row) const
{
    const Alarm &filled = m_filled[row];
    Alarm alarm;
    alarm.Active = cell(row, ActiveColumn)->isChecked();
    alarm.Time = EditorFields::time(static_cast<QTimeEdit *>(cellWidget(row, TimeColumn)), filled.Time);
    alarm.Duration = EditorFields::number(static_cast<QSpinBox *>(cellWidget(row, DurationColumn)), filled.Duration);
    alarm.SelectedDaysMode = cell(row, ModeColumn)->comboIndex(0) == SelectedDays;
    for (int day = 1; day <= daysPerWeek; ++day)
        alarm.setDayActive(day, cell(row, FirstDayColumn + day - 1)->isChecked());
    return alarm;
}

AlarmTable::Alarms AlarmTable::alarms() const
{
    Alarms result = m_filled;
    for (int row = 0; row < alarmCount; ++row) {
        if (isRowShown(row))
            result[row] = shownAlarm(row);
    }
    return result;
}

void AlarmTable::disableAll()
{
    // Rows still to load take it from here.
    for (Alarm &alarm : m_filled)
        alarm.Active = false;
    for (int row = 0; row < rowCount(); ++row) {
        if (TableItemCustom *active = cell(row, ActiveColumn))
            active->setChecked(false);
    }
}

void AlarmTable::onModeChanged(int row, int mode)
{
    if (mode != Everyday)
        return;
    for (int day = 0; day < daysPerWeek; ++day)
        cell(row, FirstDayColumn + day)->setChecked(true);
}

void AlarmTable::onDayClicked(int row)
{
    bool everyDay = true;
    for (int day = 0; day < daysPerWeek; ++day)
        everyDay = everyDay && cell(row, FirstDayColumn + day)->isChecked();
    cell(row, ModeColumn)->setComboIndex(0, everyDay ? Everyday : SelectedDays);
}
