#include "ui/window/WindowTray.h"

#include "core/AppIdentity.h"
#include "ui/window/LanguageMenu.h"
#include "ui/widgets/MenuPopup.h"
#include "desktop/ThemeManager.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

namespace {

enum class Availability { Desktop, Available, Unavailable };
Availability g_availability = Availability::Desktop;

const char appIconPath[] = ":/logos/resources/appIcon.png";
const char showIconPath[] = ":/icons/resources/icons/window/maximize.png";
const char hideIconPath[] = ":/icons/resources/icons/window/minimize.png";
const char closeIconPath[] = ":/icons/resources/icons/window/close.png";
const char languageIconPath[] = ":/icons/resources/icons/language.png";

} // namespace

WindowTray::WindowTray(QWidget &window, QAction *showWindow, QAction *hideWindow, QAction *closeApp, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_showWindow(showWindow)
    , m_hideWindow(hideWindow)
    , m_closeApp(closeApp)
{
    if (showWindow)
        connect(showWindow, &QAction::triggered, this, [this] { SetHiddenToTray(true); });
    if (hideWindow)
        connect(hideWindow, &QAction::triggered, this, &WindowTray::hideToTray);
    if (closeApp)
        connect(closeApp, &QAction::triggered, &m_window, &QWidget::close);
}

WindowTray::~WindowTray()
{
    delete m_menu;
}

bool WindowTray::isAvailable()
{
    switch (g_availability) {
    case Availability::Available:
        return true;
    case Availability::Unavailable:
        return false;
    case Availability::Desktop:
        break;
    }
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void WindowTray::setAvailabilityForTest(bool available)
{
    g_availability = available ? Availability::Available : Availability::Unavailable;
}

void WindowTray::clearAvailabilityForTest()
{
    g_availability = Availability::Desktop;
}

void WindowTray::create()
{
    if (m_icon)
        return;
    m_icon = new QSystemTrayIcon(QIcon(QString::fromLatin1(appIconPath)), this);
    m_icon->setToolTip(appDisplayName());
    m_icon->setVisible(true);
    connect(m_icon, &QSystemTrayIcon::activated, this, &WindowTray::TrayActivated);
    RebuildTrayMenu();
}

void WindowTray::SetHiddenToTray(bool visible)
{
    if (visible) {
        if (m_window.isMinimized())
            m_window.showNormal();
        else
            m_window.show();
        m_window.raise();
        m_window.activateWindow();
        m_hiddenToTray = false;
    } else if (isAvailable()) {
        m_window.hide();
        m_hiddenToTray = true;
        if (m_icon)
            m_icon->showMessage(appDisplayName(), tr("Application was minimized to tray"),
                                QSystemTrayIcon::Information, balloonMs);
    } else {
        m_window.showMinimized();
    }
    postRebuild();
}

void WindowTray::postRebuild()
{
    QTimer::singleShot(0, this, &WindowTray::RebuildTrayMenu);
}

void WindowTray::RebuildTrayMenu()
{
    delete m_menu;
    m_menu = new MenuPopup;
    const auto add = [this](QAction *action, const char *iconPath) {
        if (!action)
            return;
        action->setIcon(ThemeManager::themedIcon(QString::fromLatin1(iconPath)));
        m_menu->addAction(action);
    };
    if (m_hiddenToTray)
        add(m_showWindow, showIconPath);
    else if (m_window.isVisible())
        add(m_hideWindow, hideIconPath);
    if (m_chooseLanguage) {
        QMenu *languages = m_menu->addMenu(tr("Language"));
        languages->setIcon(ThemeManager::themedIcon(QString::fromLatin1(languageIconPath)));
        LanguageMenu::fill(*languages, m_chooseLanguage);
    }
    m_menu->addSeparator();
    add(m_closeApp, closeIconPath);
    if (m_icon)
        m_icon->setContextMenu(m_menu);
}

void WindowTray::TrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick)
        return;
    SetHiddenToTray(m_hiddenToTray);
}
