#pragma once

#include "session/ReportPeriod.h"
#include "session/AvailabilityReport.h"
#include "ui/frame/FramelessDialog.h"

#include <QDate>
#include <QString>

class AvailabilityTableModel;
class QTableView;

namespace Ui {
class DialogAvailability;
}

// How available and how well synchronised the clocks were in a month, week
// or day, per group and per clock, from the history (see AvailabilityReport).
// A month of a large site takes a while to read, so each period is computed
// on a thread of its own; the tables fill when it is done, and a period
// left meanwhile is not shown.
class DialogAvailability : public FramelessDialog
{
    Q_OBJECT

public:
    // clocks: the list's clocks as AvailabilityHistory::clocksOf gives them.
    DialogAvailability(const QList<AvailabilityReport::Clock> &clocks, const QString &folder,
                       QWidget *parent = nullptr);
    ~DialogAvailability() override;

    // Computes the period of the kind that holds the date.
    void showPeriod(ReportPeriod::Kind kind, const QDate &date);
    // Shows figures computed elsewhere.
    void showResult(const AvailabilityReport::Result &result);
    bool isComputing() const { return m_computing > 0; }

signals:
    void figuresShown();

protected:
    // Ctrl+Enter in a table sorts it by the current column, as a click on
    // its header does.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRange(const QDateTime &from, const QDateTime &to);
    void step(int periods);
    void periodChosen(int index);
    void computed(int request, const AvailabilityReport::Result &result, const QString &problem);
    void setUpTable(QTableView *view, AvailabilityTableModel *model);

    Ui::DialogAvailability *ui;
    QList<AvailabilityReport::Clock> m_clocks;
    QString m_folder;
    ReportPeriod::Kind m_kind = ReportPeriod::Kind::Month;
    QDate m_date;
    AvailabilityTableModel *m_groups;
    AvailabilityTableModel *m_clockRows;
    int m_request = 0;
    int m_computing = 0;
};
