#pragma once

#include "model/ClockConfig.h"

#include <QWidget>

class QLineEdit;

namespace Ui {
class TabTime;
}

// The editor's "Time" tab: region, time zone, daylight saving, and where
// the clock takes its time from.
class TabTime : public QWidget
{
    Q_OBJECT

public:
    explicit TabTime(QWidget *parent = nullptr);
    ~TabTime() override;

    // Every widget from its field, then the tab's rules.
    void fillFrom(const ClockConfigFields &config);
    // The time fields from the widgets.
    void readInto(ClockConfigFields &config) const;

public slots:
    void UpdateSummerTimeVisibility();

private:
    void showTimeZone(bool shown);
    // The NTP servers apply to the NTP time source only.
    void applyTimeSourceRule(int timeSource);
    QList<QLineEdit *> servers() const;
    void applyRules();

    Ui::TabTime *ui;
    // What the widgets were filled from.
    ClockConfigFields m_filled;
};
