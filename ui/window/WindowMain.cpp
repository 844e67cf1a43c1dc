#include "ui/window/WindowMain.h"

#include "core/AppIdentity.h"
#include "core/AppSettings.h"
#include "ui/dialogs/DialogAbout.h"
#include "ui/dialogs/DialogHost.h"
#include "desktop/HelpManual.h"
#include "ui/window/LanguageMenu.h"
#include "ui/widgets/MenuPopup.h"
#include "session/MonitoringSession.h"
#include "notify/NotificationSettings.h"
#include "ui/editor/PageConfiguration.h"
#include "ui/pages/PageConflict.h"
#include "ui/pages/PageDeviceList.h"
#include "ui/pages/PageGroupList.h"
#include "ui/pages/PageNotifications.h"
#include "ui/pages/PageReport.h"
#include "ui/services/PageServices.h"
#include "ui/services/StatusPixmaps.h"
#include "ui/widgets/ThemeWidgets.h"
#include "ui/services/Toasts.h"
#include "ui/window/WindowClosing.h"
#include "ui/window/WindowGeometry.h"
#include "ui/window/WindowTitle.h"
#include "ui/window/WindowTray.h"
#include "ui_WindowMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QTimer>

namespace {

const QString iconRoot = QStringLiteral(":/icons/resources/icons/");

} // namespace

WindowMain::WindowMain(PageServices &services, QWidget *parent)
    : CFramelessWindow(parent)
    , ui(new Ui::WindowMain)
    , m_services(services)
{
    ui->setupUi(this);
    setWindowTitle(appDisplayName());
    // Styled before the first paint, so the window never shows unthemed.
    ThemeWidgets::applyTheme(this);
    m_services.setWindow(this);
    m_services.toasts().attach(ui->wdtMain, ui->wdtToolBar);
    m_tray = std::make_unique<WindowTray>(*this, ui->actionShowWindow, ui->actionHideWindow, ui->actionCloseApp);
    buildPages();

    // A read-only window says so, and why; so does one whose history or
    // device list cannot be written, until it can be again.
    updateTitle();
    connect(&m_services.session(), &MonitoringSession::journalProblemChanged, this, [this](const QString &problem) {
        m_journalProblem = problem;
        updateTitle();
        if (!problem.isEmpty())
            m_services.toasts().show(WindowTitle::journalProblemText(problem), ToastType::Warning);
    });
    connect(&m_services.session(), &MonitoringSession::saveProblemChanged, this, [this](const QString &problem) {
        updateTitle();
        if (!problem.isEmpty())
            m_services.toasts().show(problem, ToastType::Warning);
    });
#ifdef Q_OS_WIN
    if (QSysInfo::productVersion() != QLatin1String("10"))
        setWindowFlags(Qt::CustomizeWindowHint);
#endif
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { ui->wdtTitlebar->setEnabled(state == Qt::ApplicationActive); });
    // Frameless: the title bar moves the window, its labels too.
    setTitleBar(ui->wdtTitlebar);
    addIgnoreWidget(ui->wdtTitlebarMenu);
    addIgnoreWidget(ui->lblAppLogo);
    addIgnoreWidget(ui->lblTitle);
    connectTitleBar();
    WindowGeometry::restore(*this);
    // The device list fills itself once the window shows.
    ui->swdMain->setCurrentIndex(0);
    selectPage(0);
    applyIcons();
    QTimer::singleShot(0, this, &WindowMain::deferredInit);
}

WindowMain::~WindowMain()
{
    WindowGeometry::save(*this);
    m_tray.reset();
    delete ui;
    // The application-wide event filter of the frame still calls in while
    // the members go.
    ui = nullptr;
}

void WindowMain::buildPages()
{
    m_editor = new PageConfiguration(m_services, ui->swdMain);
    ui->swdMain->addWidget(m_editor);
    connect(m_editor, &PageConfiguration::SigLeaveEditor, this, &WindowMain::showMainPages);

    // In the order of the navigation buttons.
    m_pages = {new PageDeviceList(m_services, ui->swdDevices), new PageGroupList(m_services, ui->swdDevices),
               new PageConflict(m_services, ui->swdDevices), new PageNotifications(m_services, ui->swdDevices),
               new PageReport(m_services, ui->swdDevices)};
    for (int index = 0; index < m_pages.size(); ++index) {
        NavigationPage *page = m_pages.at(index);
        ui->swdDevices->addWidget(page);
        connect(navigationButtons().at(index), &QAbstractButton::clicked, this, [this, index] { navigate(index); });
        connect(page, &NavigationPage::editRequested, this, &WindowMain::openEditor);
        connect(page, &NavigationPage::hideToTrayRequested, m_tray.get(), &WindowTray::hideToTray);
    }
}

void WindowMain::updateTitle()
{
    const WindowTitle title = WindowTitle::of(m_services.session(), m_journalProblem);
    ui->lblTitle->setText(title.text);
    setWindowTitle(title.text);
    ui->lblTitle->setToolTip(title.why);
}

void WindowMain::connectTitleBar()
{
    connect(ui->btnTheme, &QAbstractButton::clicked, this, &WindowMain::showThemeMenu);
    connect(ui->actionThemeDark, &QAction::triggered, this, [this] { SetTheme(Theme::Dark); });
    connect(ui->actionThemeLight, &QAction::triggered, this, [this] { SetTheme(Theme::Light); });
    connect(ui->btnLanguage, &QAbstractButton::clicked, this, &WindowMain::showLanguageMenu);
    m_tray->setLanguageChooser([this](Language language) { chooseLanguage(language); });
    connect(ui->btnHelp, &QAbstractButton::clicked, this, &WindowMain::openHelp);
    connect(ui->btnAbout, &QAbstractButton::clicked, this, &WindowMain::showAbout);
    connect(ui->btnMinimize, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(ui->btnMaximize, &QAbstractButton::clicked, this,
            [this] { isMaximized() ? showNormal() : showMaximized(); });
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
}

void WindowMain::deferredInit()
{
    rebuildStatusPixmaps();
    m_tray->create();
}

void WindowMain::rebuildStatusPixmaps()
{
    ensurePolished();
    m_services.statusPixmaps().rebuild(m_labelGoodColor, m_labelWarningColor, m_labelCriticalColor,
                                       palette().color(QPalette::HighlightedText));
}

void WindowMain::navigate(int index)
{
    m_pages.at(index)->enter();
    selectPage(index);
}

QList<ToolButtonMenu *> WindowMain::navigationButtons() const
{
    return {ui->btnDeviceList, ui->btnGroupList, ui->btnConflictResolver, ui->btnNotifications, ui->btnReport};
}

void WindowMain::selectPage(int index)
{
    const QList<ToolButtonMenu *> buttons = navigationButtons();
    for (ToolButtonMenu *button : buttons)
        button->setSelected(false);
    buttons.at(index)->setSelected(true);
    ui->swdDevices->setCurrentIndex(index);
}

void WindowMain::openEditor(const EditTarget &target)
{
    if (!m_editor->OpenConfigEditor(target.groupIndex, target.clockIndex))
        return;
    if (ui->swdMain->currentWidget() != m_editor)
        ui->swdMain->setCurrentWidget(m_editor);
    m_editor->selectFirstTab();
}

void WindowMain::showMainPages()
{
    ui->swdMain->setCurrentWidget(ui->pageMain);
}

// Title bar

void WindowMain::changeEvent(QEvent *event)
{
    CFramelessWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updateMaximizeIcon();
}

void WindowMain::updateMaximizeIcon()
{
    const QString icon = isMaximized() ? QStringLiteral("window/restore.png") : QStringLiteral("window/maximize.png");
    ui->btnMaximize->setIcon(ThemeManager::themedIcon(iconRoot + icon));
}

void WindowMain::applyIcons()
{
    const struct {
        QAbstractButton *button;
        const char *icon;
    } icons[] = {
        {ui->btnTheme, "theme.png"},       {ui->btnLanguage, "language.png"},
        {ui->btnHelp, "help.png"},
        {ui->btnAbout, "about.png"},       {ui->btnMinimize, "window/minimize.png"},
        {ui->btnClose, "window/close.png"}, {ui->btnDeviceList, "list.png"},
        {ui->btnGroupList, "group.png"},   {ui->btnConflictResolver, "network.png"},
        {ui->btnNotifications, "mail.png"}, {ui->btnReport, "report.png"},
    };
    for (const auto &entry : icons)
        entry.button->setIcon(ThemeManager::themedIcon(iconRoot + QLatin1String(entry.icon)));
    updateMaximizeIcon();
}

void WindowMain::showThemeMenu()
{
    MenuPopup menu(this);
    for (QAction *action : {ui->actionThemeLight, ui->actionThemeDark}) {
        action->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("theme.png")));
        menu.addAction(action);
    }
    menu.execAt(ui->btnTheme->mapToGlobal(QPoint(0, ui->btnTheme->height())));
}

void WindowMain::showLanguageMenu()
{
    MenuPopup menu(this);
    LanguageMenu::fill(menu, [this](Language language) { chooseLanguage(language); });
    menu.execAt(ui->btnLanguage->mapToGlobal(QPoint(0, ui->btnLanguage->height())));
}

void WindowMain::chooseLanguage(Language language)
{
    const QString notice = LanguageMenu::choose(language);
    if (!notice.isEmpty())
        m_services.toasts().show(notice, ToastType::Info);
}

void WindowMain::SetTheme(Theme theme)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (ThemeWidgets::setTheme(theme, this)) {
        rebuildStatusPixmaps();
        m_tray->RebuildTrayMenu();
        applyIcons();
        // Toasts and pages re-tint what they drew themselves.
        m_services.announceThemeChanged();
    }
    QApplication::restoreOverrideCursor();
}

void WindowMain::showAbout()
{
    DialogAbout about(this);
    m_services.dialogs().runDialog(about);
}

void WindowMain::openHelp()
{
    QString manual;
    if (HelpManual::open(&manual) || manual.isEmpty())
        return;
    // Said in the window: the opener's own complaints go to a terminal nobody reads.
    m_services.dialogs().message(
        this, tr("No PDF viewer was found to open the manual. You can find it here:\n%1").arg(QDir::toNativeSeparators(manual)),
        QuestionIcon::Warning);
}

// Closing

void WindowMain::closeEvent(QCloseEvent *event)
{
    const NotificationSettings &alerts = m_services.session().alertSettings();
    const bool alertsOn = alerts.errorConnection || alerts.errorAuth || alerts.errorNtpTimeout;
    const QString question = WindowClosing::question(alertsOn, AppSettings::reportSettings().enabled);
    if (!question.isEmpty()) {
        m_tray->SetHiddenToTray(true);
        const QuestionResult answer = WindowClosing::ask(m_services.dialogs(), this, question);
        if (answer == QuestionResult::Positive)
            m_tray->SetHiddenToTray(false);
        if (answer == QuestionResult::Positive || answer == QuestionResult::Neutral) {
            event->ignore();
            return;
        }
    }
    if (ui->swdMain->currentWidget() == m_editor) {
        m_editor->StoreEditedConfiguration();
        showMainPages();
    }
    if (!WindowClosing::stopAndSave(m_services.session(), m_services.dialogs(), this)) {
        event->ignore();
        return;
    }
    event->accept();
    emit SigClosed();
}
