#pragma once

#include "DeviceRowFilter.h"
#include "PageServices.h"

#include <QVector>
#include <QWidget>

class DevClock;
class ManageButtonsDelegate;
class QPoint;

namespace Ui {
class PageDeviceList;
}

// The device list (page 0 of swdDevices): every listed clock with its live
// status and the operations on it. Row indices always equal registry
// indices; the filter only hides rows.
class PageDeviceList : public QWidget
{
    Q_OBJECT

public:
    enum Column { NameColumn, IpColumn, StatusColumn, FirmwareColumn, GroupColumn, ManageColumn, ColumnCount };
    enum ManageAction { DeleteAction, DownloadAction, EditConfigurationAction, EditSettingsAction, RefreshAction };

    // A fill step adds rows for about this long, then lets the event loop run.
    static constexpr int fillBatchMs = 12;

    explicit PageDeviceList(const PageServices &services, QWidget *parent = nullptr);
    ~PageDeviceList() override;

    // Starts filling the table step by step from the event loop behind the
    // loading bar, so the window shows before a long list is in.
    void StartProgressiveFill();
    bool isFilling() const { return m_filling; }
    // Brings every row in line with the registry (navigation, theme change).
    void RefreshDeviceList();
    void AddDeviceRow(DevClock *clock);
    void UpdateDeviceRow(int row, DevClock *clock);
    // Asks, then deletes the clock of the first selected row (the Delete key
    // and the first Manage button; the page has no button of that name).
    void on_btnDeviceDelete_clicked();

public slots:
    void onTimerRefreshList();
    // Re-renders one clock's row; the session has already run its alert trigger.
    void SlotClockStatusUpdated(quint64 id);
    // Takes ownership of the clocks a search found.
    void SlotClockSearchingFinished(QVector<DevClock *> clocks);
    // One of the five Manage buttons of a row (ManageAction).
    void ManageDevice(int row, int index);

private slots:
    void on_btnDeviceSearch_clicked();
    void on_btnDeviceAdd_clicked();
    void on_btnCheckClocks_clicked();
    void applyFilter();
    void updateSummary();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finishFill();
    void scheduleSummary();
    void downloadConfiguration(DevClock *clock, bool openEditor);
    void editConfiguration(int row, DevClock *clock);
    void editSettings(int row, DevClock *clock);
    void showManageMenu(int row, const QPoint &globalPos);
    // Adds or removes rows so that there is one per listed clock.
    void matchRowCount();

    Ui::PageDeviceList *ui;
    PageServices m_services;
    ManageButtonsDelegate *m_delegate;
    DeviceRowFilter m_filter;
    int listFillIndex = 0;
    bool m_filling = false;
    bool m_summaryPending = false;
};
