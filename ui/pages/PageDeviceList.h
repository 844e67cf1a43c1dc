#pragma once

#include "PageServices.h"

#include <QVector>
#include <QWidget>

class DevClock;

namespace Ui {
class PageDeviceList;
}

// The device list (page 0 of swdDevices): every listed clock with its live
// status and the operations on it.
class PageDeviceList : public QWidget
{
    Q_OBJECT

public:
    explicit PageDeviceList(const PageServices &services, QWidget *parent = nullptr);
    ~PageDeviceList() override;

    // Starts filling the table step by step from the event loop, so the
    // window shows before a long list is in.
    void StartProgressiveFill();
    // Brings every row in line with the registry (navigation, theme change).
    void RefreshDeviceList();

public slots:
    void onTimerRefreshList();
    // Re-renders one clock's row; the session has already run its alert trigger.
    void SlotClockStatusUpdated(quint64 id);
    // Takes ownership of the clocks a search found.
    void SlotClockSearchingFinished(QVector<DevClock *> clocks);

private:
    Ui::PageDeviceList *ui;
    PageServices m_services;
    int listFillIndex = 0;
};
