#pragma once

#include "AuditFindingsStore.h"
#include "DeviceRowFilter.h"
#include "NavigationPage.h"

#include <QVector>

class AddressPlanActions;
class DataSender;
class DevClock;
class ManageButtonsDelegate;
class PageServices;
class QPoint;

namespace Ui {
class PageDeviceList;
}

// The device list (page 0 of swdDevices): every listed clock with its live
// status and the operations on it, each operation's result handled beside
// the slot that starts it. Row indices always equal registry indices; the
// filter only hides rows. The table fills step by step the first time the
// page shows, and follows every status update of the session.
class PageDeviceList : public NavigationPage
{
    Q_OBJECT

public:
    enum Column {
        NameColumn,
        IpColumn,
        StatusColumn,
        AuditColumn,
        FirmwareColumn,
        GroupColumn,
        ManageColumn,
        ColumnCount
    };
    enum ManageAction { DeleteAction, DownloadAction, EditConfigurationAction, EditSettingsAction, RefreshAction };

    // A fill step adds rows for about this long, then lets the event loop run.
    static constexpr int fillBatchMs = 12;

    explicit PageDeviceList(PageServices &services, QWidget *parent = nullptr);
    ~PageDeviceList() override;

    // Starts filling the table step by step from the event loop behind the
    // loading bar, so the window shows before a long list is in.
    void StartProgressiveFill();
    bool isFilling() const { return m_filling; }
    // Brings every row in line with the registry (navigation, theme change).
    void RefreshDeviceList();
    void AddDeviceRow(DevClock *clock);
    void UpdateDeviceRow(int row, DevClock *clock);
    void enter() override;

public slots:
    void onTimerRefreshList();
    // Re-renders one clock's row; the session has already run its alert trigger.
    void SlotClockStatusUpdated(quint64 id);
    // Takes ownership of the clocks a search found. A listed clock found at
    // another address (known by its MAC) is offered as moved; taken, its
    // record follows it instead of a second row appearing.
    void SlotClockSearchingFinished(QVector<DevClock *> clocks);
    // One of the five Manage buttons of a row (ManageAction).
    void ManageDevice(int row, int index);
    // The end of "Refresh status": the clock's answer into the list, its row
    // re-rendered and a toast; a failure is shown.
    void onStatusRefreshed(DataSender *sender);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Search: the credentials, then the finder; its clocks go to the "Devices found" dialog.
    void searchDevices();
    void onSearchFinished(DataSender *sender);
    // One clock by its address, or the clocks of a range or plan.
    void addClock();
    // A clock new on the list, or a listed one that changed, drawn at once.
    void showListedClock(quint64 id);
    void checkClocks();
    // The latest audit's findings, as kept by whichever program ran it.
    void reloadAuditFindings();
    // Asks, then deletes the clock of the first selected row (the Delete key
    // and the first Manage button).
    void deleteSelectedClock();
    void refreshStatus(DevClock *clock);
    void downloadConfiguration(DevClock *clock);
    // Downloads the clock's configuration, then opens the editor on it.
    void downloadAndEdit(DevClock *clock);
    void editConfiguration(int row, DevClock *clock);
    void editSettings(int row, DevClock *clock);
    void applyFilter();
    // Moves the current row off a hidden one: to the first shown row, or none.
    void keepCurrentRowShown();
    void updateSummary();
    void finishFill();
    void scheduleSummary();
    void showManageMenu(int row, const QPoint &globalPos);
    // Asks how long and starts a quiet period, or ends one.
    void setQuietPeriod(DevClock *clock, bool quiet);
    void showHistory(DevClock *clock);
    void onQuietPeriodsChanged(const QList<quint64> &ids);
    // Adds or removes rows so that there is one per listed clock.
    void matchRowCount();

    Ui::PageDeviceList *ui;
    PageServices &m_services;
    ManageButtonsDelegate *m_delegate;
    AddressPlanActions *m_plans;
    DeviceRowFilter m_filter;
    AuditFindingsStore m_findings;
    int listFillIndex = 0;
    bool m_filling = false;
    bool m_fillStarted = false;
    bool m_summaryPending = false;
};
