#include "PageGroupList.h"

#include "ClockRegistry.h"
#include "ui_PageGroupList.h"

PageGroupList::PageGroupList(const PageServices &services, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageGroupList)
    , m_services(services)
{
    ui->setupUi(this);
}

PageGroupList::~PageGroupList()
{
    delete ui;
}

void PageGroupList::BuildGroupTree()
{
    ui->lblGroupTreeStub->setText(tr("%n group(s)", nullptr, ClockRegistry::instance()->groupCount()));
}

void PageGroupList::RefreshGroupDeviceList()
{
    ui->lblGroupDevicesStub->setText(tr("%n clock(s)", nullptr, ClockRegistry::instance()->clockCount()));
}
