#pragma once

#include "ui/services/EditTarget.h"

#include <QWidget>

// A page the window's navigation buttons choose: device list, groups,
// conflicts, notifications, report. The window calls enter() each time the
// page's button is pressed, shown already or not, and connects the requests
// every page may make once for all of them.
class NavigationPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // A page drawn from the clock list brings itself up to date here.
    virtual void enter() {}

signals:
    // Open the configuration editor on a clock or a group.
    void editRequested(const EditTarget &target);
    // Hide the window to the tray ("Minimize to tray" of a page).
    void hideToTrayRequested();
};
