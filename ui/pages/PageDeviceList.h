#pragma once

#include "session/ClockListModel.h"
#include "ui/pages/NavigationPage.h"

#include <QElapsedTimer>
#include <QVector>

class AddressPlanActions;
class ClockListFilter;
class DataSender;
class DevClock;
class ManageButtonsDelegate;
class PageServices;
class QPoint;
class QTableView;

namespace Ui {
class PageDeviceList;
}

// The device list (page 0 of swdDevices): every listed clock with its live
// status and the operations on it, each operation's result handled beside
// the slot that starts it. The table is a view of the clock list's model
// through the filter (text, "problems only") and the sort the user chose; it
// follows the list on its own. "row" below is a clock's index in the list.
class PageDeviceList : public NavigationPage
{
    Q_OBJECT

public:
    enum Column {
        NameColumn = ClockListModel::NameColumn,
        IpColumn = ClockListModel::IpColumn,
        StatusColumn = ClockListModel::StatusColumn,
        AuditColumn = ClockListModel::AuditColumn,
        FirmwareColumn = ClockListModel::FirmwareColumn,
        GroupColumn = ClockListModel::GroupColumn,
        ManageColumn = ClockListModel::ManageColumn,
        ColumnCount = ClockListModel::ColumnCount
    };
    enum ManageAction { DeleteAction, DownloadAction, EditConfigurationAction, EditSettingsAction, RefreshAction };

    // The fleet summary above the table follows changes at most this often.
    static constexpr int summaryIntervalMs = 250;

    static constexpr const char *changeClocksKeys = "Ctrl+Shift+C";
    static constexpr const char *changePasswordsKeys = "Ctrl+Shift+P";

    explicit PageDeviceList(PageServices &services, QWidget *parent = nullptr);
    ~PageDeviceList() override;

    QTableView *table() const;
    ClockListFilter &shownClocks() const { return *m_shown; }
    void enter() override;

public slots:
    // Takes ownership of the clocks a search found. A listed clock found at
    // another address (known by its MAC) is offered as moved; taken, its
    // record follows it instead of a second row appearing.
    void SlotClockSearchingFinished(QVector<DevClock *> clocks);
    // One of the five Manage buttons of a clock's row (ManageAction).
    void ManageDevice(int row, int index);
    // The end of "Refresh status": the clock's answer into the list, its row
    // re-rendered and a toast; a failure is shown.
    void onStatusRefreshed(DataSender *sender);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Search: the credentials, then the finder; its clocks go to the "Devices found" dialog.
    void searchDevices();
    void onSearchFinished(DataSender *sender);
    // One clock by its address, or the clocks of a range or plan.
    void addClock();
    // A clock new on the list, or a listed one that changed, drawn at once.
    void showListedClock(quint64 id);
    void checkClocks();
    // "Change clocks...": the selected clocks, or every clock shown.
    void changeClocks();
    // "Change passwords...": the same clocks.
    void changePasswords();
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
    // The clock's index in the list for a row of the view; -1 when none.
    int clockIndex(const QModelIndex &index) const;
    // The selected clocks, or every clock shown, in the order shown.
    QList<DevClock *> chosenClocks() const;
    void setUpColumns();
    // The group column as wide as the longest group name.
    void fitGroupColumn();
    void updateSummary();
    void scheduleSummary();
    void showManageMenu(int row, const QPoint &globalPos);
    // Asks how long and starts a quiet period, or ends one.
    void setQuietPeriod(DevClock *clock, bool quiet);
    void showHistory(DevClock *clock);

    Ui::PageDeviceList *ui;
    PageServices &m_services;
    ManageButtonsDelegate *m_delegate;
    AddressPlanActions *m_plans;
    ClockListFilter *m_shown;
    bool m_summaryPending = false;
    QElapsedTimer m_summaryAge;
};
