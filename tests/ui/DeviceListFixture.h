#pragma once

#include "ClockRegistry.h"
#include "DevClock.h"
#include "ManageButtonsDelegate.h"
#include "MonitoringSession.h"
#include "PageDeviceList.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"

#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

// The device list page alone in a shown window (offscreen), with a scripted
// dialog host, filled from whatever the registry lists.
class DeviceListFixture
{
public:
    DeviceListFixture()
        : alone(session, dialogs)
    {
        DialogHost::install(&dialogs);
        auto *layout = new QVBoxLayout(&window);
        page = new PageDeviceList(alone.services(), &window);
        layout->addWidget(page);
        // What the window does with every status update.
        QObject::connect(&session, &MonitoringSession::statusUpdated, page, &PageDeviceList::SlotClockStatusUpdated);
        window.resize(1100, 600);
    }
    ~DeviceListFixture() { DialogHost::install(nullptr); }

    static DevClock *listClock(const QString &name, const QString &ip)
    {
        auto *clock = new DevClock;
        clock->name = name;
        clock->network.ip = ip;
        clock->user = QStringLiteral("admin");
        clock->password = QStringLiteral("pw");
        ClockRegistry::instance()->addClock(clock);
        return clock;
    }

    // Shows the window and waits for the progressive fill to end.
    bool fill()
    {
        window.show();
        page->StartProgressiveFill();
        return QTest::qWaitFor([this] { return !page->isFilling(); }, 10000);
    }

    QTableWidget *table() const { return page->findChild<QTableWidget *>(QStringLiteral("twdDeviceList")); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }

    // A mouse click on one of the painted Manage buttons of a row.
    void clickManage(int row, int index)
    {
        QTableWidget *t = table();
        auto *delegate = static_cast<ManageButtonsDelegate *>(t->itemDelegateForColumn(PageDeviceList::ManageColumn));
        t->scrollToItem(t->item(row, PageDeviceList::ManageColumn));
        const QRect cellRect = t->visualRect(t->model()->index(row, PageDeviceList::ManageColumn));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, delegate->buttonRect(cellRect, index).center());
    }

    ScriptedDialogHost dialogs;
    MonitoringSession session;
    StandaloneServices alone;
    QWidget window;
    PageDeviceList *page = nullptr;
};
