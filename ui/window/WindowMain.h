#pragma once

#include "ui/frame/CFramelessWindow.h"
#include "ui/services/EditTarget.h"
#include "core/Language.h"
#include "desktop/ThemeManager.h"

#include <QColor>

#include <memory>

class NavigationPage;
class PageConfiguration;
class PageServices;
class ToolButtonMenu;
class WindowTray;

namespace Ui {
class WindowMain;
}

// The shell: the frame and title bar, navigation between the pages, the
// editor, the tray, the theme, help, geometry and the close sequence. The
// pages do the work, each with the services it was given; the shell only
// connects their requests (open the editor, hide to the tray) once. Start-up
// (the device list, the session, the language) happens before it is built.
// Its colours for good, warning and critical states come from the theme's
// style sheet.
class WindowMain : public CFramelessWindow
{
    Q_OBJECT
    Q_PROPERTY(QColor labelGoodColor MEMBER m_labelGoodColor)
    Q_PROPERTY(QColor labelWarningColor MEMBER m_labelWarningColor)
    Q_PROPERTY(QColor labelCriticalColor MEMBER m_labelCriticalColor)

public:
    // The services are the caller's and outlive the window; the window
    // becomes the parent of the pages' dialogs and the home of the toasts.
    explicit WindowMain(PageServices &services, QWidget *parent = nullptr);
    ~WindowMain() override;

    PageServices &services() const { return m_services; }
    WindowTray &tray() const { return *m_tray; }
    void SetTheme(Theme theme);
    // Stores the language for the next start and says so.
    void chooseLanguage(Language language);

public slots:
    // Shows the editor on the target, on its first tab; nothing when there
    // is nothing to show (the editor says why).
    void openEditor(const EditTarget &target);

signals:
    // The close was accepted and the state saved: the program may end.
    void SigClosed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildPages();
    void connectTitleBar();
    // The name, with what is wrong with the session's writing (read-only,
    // the device list not saved, the history not written) and why.
    void updateTitle();
    // The work a page needs before it shows, then selectPage.
    void navigate(int index);
    void selectPage(int index);
    // In the order of the pages.
    QList<ToolButtonMenu *> navigationButtons() const;
    void showMainPages();
    void deferredInit();
    void showThemeMenu();
    void showLanguageMenu();
    void showAbout();
    // The manual in a PDF viewer, or where it is when no viewer was found.
    void openHelp();
    void applyIcons();
    void updateMaximizeIcon();
    void rebuildStatusPixmaps();

    Ui::WindowMain *ui;
    PageServices &m_services;
    std::unique_ptr<WindowTray> m_tray;
    QList<NavigationPage *> m_pages;
    PageConfiguration *m_editor = nullptr;
    QString m_journalProblem;

    QColor m_labelGoodColor;
    QColor m_labelWarningColor;
    QColor m_labelCriticalColor;
};
