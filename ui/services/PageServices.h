#pragma once

#include "Error.h"
#include "Toast.h"

#include <QPixmap>
#include <QString>

#include <functional>

class DialogHost;
class MonitoringSession;
class OperationRunner;
class PageConfiguration;
class QWidget;
class ResultSlots;
class StatusPixmaps;

// What a page gets when it is built, instead of reaching for the window:
// the dialog host, the operation runner and the shared result slots, the
// monitoring session, toasts, the status icons, and the editor. The window
// fills it; a test builds a page alone with StandaloneServices.
struct PageServices
{
    QWidget *window = nullptr; // parent of the page's dialogs
    DialogHost *dialogs = nullptr;
    OperationRunner *runner = nullptr;
    ResultSlots *results = nullptr;
    MonitoringSession *session = nullptr;
    const StatusPixmaps *pixmaps = nullptr;
    PageConfiguration *editor = nullptr; // null when built without the window

    std::function<void(const QString &text, ToastType type)> toast;
    // Opens the editor and shows it on its first tab; false when it could not open.
    std::function<bool(int groupIndex, int clockIndex)> openEditor;
    // SetHiddenToTray of the window.
    std::function<void(bool visible)> setHiddenToTray;

    void ShowToast(const QString &text, ToastType type) const;
    void ShowOperationError(Error kind) const;
    // 0 good, 1 warning, 2 critical; a null pixmap for anything else.
    QPixmap statusPixmap(int severity) const;
    bool OpenEditor(int groupIndex, int clockIndex) const;
    void SetHiddenToTray(bool visible) const;
};
