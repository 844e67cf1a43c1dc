#pragma once

#include "PageServices.h"

#include <QWidget>

namespace Ui {
class PageGroupList;
}

// Groups of clocks (page 1 of swdDevices): the group tree and the
// membership table, side by side in splitterGroups.
class PageGroupList : public QWidget
{
    Q_OBJECT

public:
    explicit PageGroupList(const PageServices &services, QWidget *parent = nullptr);
    ~PageGroupList() override;

    void BuildGroupTree();
    void RefreshGroupDeviceList();

private:
    Ui::PageGroupList *ui;
    PageServices m_services;
};
