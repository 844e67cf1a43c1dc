#include "PageDeviceList.h"

#include "ClockRegistry.h"
#include "DevClock.h"
#include "ui_PageDeviceList.h"

#include <QTimer>

PageDeviceList::PageDeviceList(const PageServices &services, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageDeviceList)
    , m_services(services)
{
    ui->setupUi(this);
}

PageDeviceList::~PageDeviceList()
{
    delete ui;
}

void PageDeviceList::StartProgressiveFill()
{
    listFillIndex = 0;
    QTimer::singleShot(0, this, &PageDeviceList::onTimerRefreshList);
}

void PageDeviceList::onTimerRefreshList()
{
    if (listFillIndex < ClockRegistry::instance()->clockCount()) {
        ++listFillIndex;
        QTimer::singleShot(0, this, &PageDeviceList::onTimerRefreshList);
        return;
    }
    RefreshDeviceList();
}

void PageDeviceList::RefreshDeviceList()
{
    ui->lblDeviceListStub->setText(tr("%n clock(s) on the device list", nullptr,
                                      ClockRegistry::instance()->clockCount()));
}

void PageDeviceList::SlotClockStatusUpdated(quint64 id)
{
    if (ClockRegistry::instance()->clockById(id))
        RefreshDeviceList();
}

void PageDeviceList::SlotClockSearchingFinished(QVector<DevClock *> clocks)
{
    qDeleteAll(clocks);
}
