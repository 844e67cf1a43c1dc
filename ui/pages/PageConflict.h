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

private:
    Ui::PageConflict *ui;
    PageServices m_services;
};
