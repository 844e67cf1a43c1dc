#pragma once

#include "PageServices.h"

#include <QWidget>

namespace Ui {
class PageConflict;
}

// Resolving clocks that share the factory address (page 2 of swdDevices).
class PageConflict : public QWidget
{
    Q_OBJECT

public:
    explicit PageConflict(const PageServices &services, QWidget *parent = nullptr);
    ~PageConflict() override;

    // The resolver's pause between two address changes.
    void setPauseMs(int ms) { m_pauseMs = ms; }

private slots:
    void on_btnResolveConflict_clicked();

private:
    Ui::PageConflict *ui;
    PageServices m_services;
    int m_pauseMs;
};
