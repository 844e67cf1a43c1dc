#pragma once

#include "ClockConfig.h"

#include <QWidget>

namespace Ui {
class TabDisplay;
}

// The editor's "Display" tab: what the clock shows and how, brightness,
// thermometer, synchronisation between clocks, eco mode and typeface.
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

private slots:
    void on_cbxFormatTime_clicked();
    void on_cbxFormatTemp_clicked();
    void on_cbxFormatDate_clicked();
    void on_cbxBrightness_currentIndexChanged(int index);
    void on_cbxTempOffset_clicked(bool checked);
    void on_cbxSync_clicked(bool checked);
    void on_cbxSyncMode_currentIndexChanged(int index);
    void on_cbxEcoMode_clicked(bool checked);

private:
    void applyMasterIpRule();
    void applyRules();

    Ui::TabDisplay *ui;
    // What the widgets were filled from.
    ClockConfigFields m_filled;
};
