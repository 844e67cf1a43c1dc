#pragma once

#include "model/ClockConfig.h"

#include <QWidget>

namespace Ui {
class TabDisplay;
}

// The editor's "Display" tab: what the clock shows and how, brightness,
// thermometer, synchronisation between clocks, eco mode and typeface, and
// the buttons that import and export these settings (the editor does the
// file work).
class TabDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit TabDisplay(QWidget *parent = nullptr);
    ~TabDisplay() override;

    // Every widget from its field, then the tab's rules.
    void fillFrom(const ClockConfigFields &config);
    // The display fields from the widgets.
    void readInto(ClockConfigFields &config) const;

    // At least one of time, temperature and date stays shown: the only one
    // checked cannot be unchecked.
    void applyShowFormatRule();

signals:
    void importRequested();
    void exportRequested();

private:
    // The date formats, each with the order of its parts spelt out.
    void addDateFormats();
    // The brightness profile applies to automatic brightness only.
    void applyBrightnessRule(int brightness);
    void showTemperatureOffset(bool shown);
    void showSynchronization(bool shown);
    void showEcoTimes(bool shown);
    void applyMasterIpRule();
    void applyRules();

    Ui::TabDisplay *ui;
    // What the widgets were filled from.
    ClockConfigFields m_filled;
};
