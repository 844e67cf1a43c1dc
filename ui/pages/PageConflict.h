#pragma once

#include "ui/pages/NavigationPage.h"

#include <QString>

class DataSender;
class PageServices;

namespace Ui {
class PageConflict;
}

// Resolving clocks that share the factory address (page 2 of swdDevices):
// the resolver runs behind the progress dialog and its outcome is shown
// beside the slot that starts it.
class PageConflict : public NavigationPage
{
    Q_OBJECT

public:
    explicit PageConflict(PageServices &services, QWidget *parent = nullptr);
    ~PageConflict() override;

    // The resolver's pause between two address changes.
    void setPauseMs(int ms) { m_pauseMs = ms; }

private:
    void resolveConflicts();
    void onResolverFinished(DataSender *sender, const QString &user, const QString &password);

    Ui::PageConflict *ui;
    PageServices &m_services;
    int m_pauseMs;
};
