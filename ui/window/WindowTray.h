#pragma once

#include "core/Language.h"

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>

class MenuPopup;
class QAction;
class QWidget;

// The main window's tray icon and its menu, and hiding the window to it.
// Many desktops have no tray: there hiding would leave the window
// unreachable while alerts run, so it is minimised instead.
class WindowTray : public QObject
{
    Q_OBJECT

public:
    static constexpr int balloonMs = 10000;

    // The actions come from the window's form and stay the window's; they
    // show, hide and close the window.
    WindowTray(QWidget &window, QAction *showWindow, QAction *hideWindow, QAction *closeApp,
               QObject *parent = nullptr);
    ~WindowTray() override;

    // Makes the icon once; later calls do nothing.
    void create();
    QSystemTrayIcon *icon() const { return m_icon; }
    MenuPopup *menu() const { return m_menu; }

    bool isHiddenToTray() const { return m_hiddenToTray; }
    // true shows the window; false hides it to the tray (minimises it
    // without a tray). Either way the menu is rebuilt from the event loop.
    void SetHiddenToTray(bool visible);
    void RebuildTrayMenu();
    void postRebuild();
    // Adds the language submenu, which reports the user's pick here.
    void setLanguageChooser(std::function<void(Language)> onChosen) { m_chooseLanguage = std::move(onChosen); }

    // Whether the desktop shows tray icons; tests may decide instead.
    static bool isAvailable();
    static void setAvailabilityForTest(bool available);
    static void clearAvailabilityForTest();

public slots:
    // Only a double click acts: it toggles between hidden and shown.
    void TrayActivated(QSystemTrayIcon::ActivationReason reason);
    // SetHiddenToTray(false), for the pages' "Minimize to tray" buttons.
    void hideToTray() { SetHiddenToTray(false); }

private:
    QWidget &m_window;
    QPointer<QAction> m_showWindow;
    QPointer<QAction> m_hideWindow;
    QPointer<QAction> m_closeApp;
    QSystemTrayIcon *m_icon = nullptr;
    QPointer<MenuPopup> m_menu;
    bool m_hiddenToTray = false;
    std::function<void(Language)> m_chooseLanguage;
};
