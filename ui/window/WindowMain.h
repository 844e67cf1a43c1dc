#pragma once

#include "CFramelessWindow.h"
#include "DialogHost.h"
#include "Error.h"
#include "PageServices.h"
#include "StatusPixmaps.h"
#include "ThemeManager.h"
#include "WidgetToaster.h"

#include <QColor>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class MonitoringSession;
class OperationRunner;
class PageConfiguration;
class PageConflict;
class PageDeviceList;
class PageGroupList;
class PageNotifications;
class PageReport;
class ResultSlots;
class ToolButtonMenu;
class WindowTray;

namespace Ui {
class WindowMain;
}

// The main window: the frame, title bar, navigation between the pages, the
// tray, closing, theme, help and geometry. The pages do the work; each gets
// its services (dialogs, operations, session, toasts) when it is built.
// Its colours for good, warning and critical states come from the theme's
// style sheet.
class WindowMain : public CFramelessWindow
{
    Q_OBJECT
    Q_PROPERTY(QColor labelGoodColor MEMBER m_labelGoodColor)
    Q_PROPERTY(QColor labelWarningColor MEMBER m_labelWarningColor)
    Q_PROPERTY(QColor labelCriticalColor MEMBER m_labelCriticalColor)

public:
    // The session is the program's; the window loads the list through it
    // and saves it on closing, and writes only when the session may.
    explicit WindowMain(MonitoringSession &session, DialogHost &dialogs = DialogHost::current(),
                        QWidget *parent = nullptr);
    ~WindowMain() override;

    // The window progress dialogs attach their task-bar progress to; null
    // before it exists.
    static WindowMain *instance();
    // Takes the device-list lock before the window is built. When another
    // program holds it, says who and asks whether to open the list
    // read-only; false when the user would rather quit.
    static bool openDeviceList(MonitoringSession &session, DialogHost &dialogs);

    QColor labelGoodColor() const { return m_labelGoodColor; }
    QColor labelWarningColor() const { return m_labelWarningColor; }
    QColor labelCriticalColor() const { return m_labelCriticalColor; }

    const PageServices &services() const { return m_services; }
    WindowTray &tray() const { return *m_tray; }
    WidgetToaster *toaster() const { return m_toaster; }

    void ShowToast(const QString &text, ToastType type);
    void ShowOperationError(Error kind);
    void SetHiddenToTray(bool visible);
    bool isHiddenToTray() const;
    void RebuildTrayMenu();
    void SetTheme(Theme theme);

signals:
    // The close was accepted and the state saved: the program may end.
    void SigClosed();

public slots:
    void SlotClockStatusUpdated(quint64 id);
    void TrayActivated(QSystemTrayIcon::ActivationReason reason);
    void onProgressUpdate(double value);
    void onApplicationStateChanged(Qt::ApplicationState state);

private slots:
    void deferredInit();
    void on_btnDeviceList_clicked();
    void on_btnGroupList_clicked();
    void on_btnConflictResolver_clicked();
    void on_btnNotifications_clicked();
    void on_btnReport_clicked();
    void on_actionShowWindow_triggered();
    void on_actionHideWindow_triggered();
    void on_actionCloseApp_triggered();
    void on_actionThemeDark_triggered();
    void on_actionThemeLight_triggered();
    void on_btnTheme_clicked();
    void on_btnMinimize_clicked();
    void on_btnMaximize_clicked();
    void on_btnClose_clicked();
    void on_btnAbout_clicked();
    void on_btnHelp_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPages();
    // The work a page needs before it shows, then selectPage.
    void navigate(int index);
    void selectPage(int index);
    bool openEditor(int groupIndex, int clockIndex);
    void showMainPages();
    void applyIcons();
    void updateMaximizeIcon();
    void rebuildStatusPixmaps();
    void restoreWindowGeometry();
    void saveWindowGeometry();
    QList<ToolButtonMenu *> navigationButtons() const;

    Ui::WindowMain *ui;
    MonitoringSession &m_session;
    DialogHost &m_dialogs;
    std::unique_ptr<OperationRunner> m_runner;
    std::unique_ptr<ResultSlots> m_results;
    std::unique_ptr<WindowTray> m_tray;
    StatusPixmaps m_statusPixmaps;
    PageServices m_services;
    QPointer<WidgetToaster> m_toaster;
    QString m_loadMessage;

    PageDeviceList *m_pageDeviceList = nullptr;
    PageGroupList *m_pageGroupList = nullptr;
    PageConflict *m_pageConflict = nullptr;
    PageNotifications *m_pageNotifications = nullptr;
    PageReport *m_pageReport = nullptr;
    PageConfiguration *m_pageConfiguration = nullptr;

    QColor m_labelGoodColor;
    QColor m_labelWarningColor;
    QColor m_labelCriticalColor;
};
