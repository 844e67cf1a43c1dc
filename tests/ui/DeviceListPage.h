#pragma once

#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"
#include "session/ClockListFilter.h"
#include "session/MonitoringSession.h"
#include "tests/ui/StandaloneServices.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "ui/pages/PageDeviceList.h"
#include "ui/widgets/ManageButtonsDelegate.h"

#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

// A clock added to the list, with the user name "admin".
inline DevClock *listClock(const QString &name, const QString &ip, const QString &password = QStringLiteral("pw"),
                           const QString &mac = QString())
{
    auto *clock = new DevClock;
    clock->name = name;
    clock->network.ip = ip;
    clock->mac = mac;
    clock->user = QStringLiteral("admin");
    clock->password = password;
    ClockRegistry::instance()->addClock(clock);
    return clock;
}

// The device list page alone in a shown window (offscreen) with a scripted
// dialog host, filled from whatever the registry lists.
struct DeviceListPage
{
    ScriptedDialogHost dialogs;
    Communication exchanges;
    NotificationSettings alerts;
    MonitoringSession session{*ClockRegistry::instance(), exchanges, alerts};
    StandaloneServices alone{session, dialogs};
    QWidget window;
    PageDeviceList *page = new PageDeviceList(alone.services(), &window);

    DeviceListPage()
    {
        (new QVBoxLayout(&window))->addWidget(page);
        window.resize(1100, 600);
        window.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    QTableView *table() const { return page->table(); }
    // Rows below are clocks' indices in the list, whatever the view shows.
    QModelIndex shown(int row, int column) const
    {
        ClockListFilter &filter = page->shownClocks();
        return filter.mapFromSource(filter.sourceModel()->index(row, column));
    }
    QString cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return page->shownClocks().sourceModel()->index(row, column).data(role).toString();
    }
    // "Name|IP|Group" of every row.
    QStringList rows() const
    {
        QStringList texts;
        for (int row = 0; row < table()->model()->rowCount(); ++row) {
            texts << cell(row, PageDeviceList::NameColumn) + '|' + cell(row, PageDeviceList::IpColumn) + '|'
                    + cell(row, PageDeviceList::GroupColumn);
        }
        return texts;
    }
    int currentRow() const { return page->shownClocks().clockIndex(table()->currentIndex()); }
    void press(const char *button) { QTest::mouseClick(page->findChild<QPushButton *>(button), Qt::LeftButton); }
    // A mouse click on one of the painted Manage buttons of a row.
    void clickManage(int row, int index)
    {
        const QRect cell = table()->visualRect(shown(row, PageDeviceList::ManageColumn));
        const auto *buttons = static_cast<ManageButtonsDelegate *>(table()->itemDelegateForColumn(PageDeviceList::ManageColumn));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, buttons->buttonRect(cell, index).center());
    }
};
