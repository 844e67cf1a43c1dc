#include "WindowMain.h"

#include "AppIdentity.h"
#include "AppSettings.h"
#include "DialogAbout.h"
#include "DialogQuestion.h"
#include "HelpManual.h"
#include "Language.h"
#include "MenuPopup.h"
#include "MonitoringSession.h"
#include "NotificationSettings.h"
#include "OperationRunner.h"
#include "PageConfiguration.h"
#include "PageConflict.h"
#include "PageDeviceList.h"
#include "PageGroupList.h"
#include "PageNotifications.h"
#include "PageReport.h"
#include "ResultSlots.h"
#include "ThemeWidgets.h"
#include "Toast.h"
#include "WidgetToaster.h"
#include "WindowGeometry.h"
#include "WindowTray.h"
#include "ui_WindowMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

#include <optional>

namespace {

WindowMain *g_mainWindow = nullptr;

constexpr int maxToasts = 5;
const QString iconRoot = QStringLiteral(":/icons/resources/icons/");

enum NavigationPage { DeviceListPage, GroupListPage, ConflictPage, NotificationsPage, ReportPage };

} // namespace

WindowMain::WindowMain(MonitoringSession &session, DialogHost &dialogs, QWidget *parent)
    : CFramelessWindow(parent)
    , ui(new Ui::WindowMain)
    , m_session(session)
    , m_dialogs(dialogs)
{
    // 1. The form; progress dialogs find the window from here on.
    ui->setupUi(this);
    g_mainWindow = this;
    // 2. English on every start, whatever was chosen before.
    LanguageManager::setLanguage(Language::English);
    ui->retranslateUi(this);
    setWindowTitle(appDisplayName());
    // Styled before the first paint, so the window never shows unthemed.
    ThemeWidgets::applyTheme(this);

    // 3. The list, the last path and the report settings; the poller and
    // the reporter start with the session.
    const StateLoad::Result loaded = m_session.load();
    m_loadMessage = loaded.message;
    m_session.start();

    m_runner = std::make_unique<OperationRunner>(m_dialogs, this);
    m_tray = std::make_unique<WindowTray>(*this, ui->actionShowWindow, ui->actionHideWindow, ui->actionCloseApp);
    buildPages();

    // 4. The reporter off, then the stored report settings (which switch it
    // on again when enabled).
    m_pageReport->LoadReportWidgets();
    // 5-7. The auto-save runs in the session; the title bar shows the name.
    ui->lblTitle->setText(appDisplayName());
    if (!m_session.isWritable()) {
        ui->lblTitle->setText(tr("%1 (read-only)").arg(appDisplayName()));
        ui->lblTitle->setToolTip(m_session.readOnlyReason());
    }
#ifdef Q_OS_WIN
    if (QSysInfo::productVersion() != QLatin1String("10"))
        setWindowFlags(Qt::CustomizeWindowHint);
#endif
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &WindowMain::onApplicationStateChanged);
    // 8. Frameless: the title bar moves the window, its labels too.
    setTitleBar(ui->wdtTitlebar);
    addIgnoreWidget(ui->wdtTitlebarMenu);
    addIgnoreWidget(ui->lblAppLogo);
    addIgnoreWidget(ui->lblTitle);
    // 9.
    WindowGeometry::restore(*this);
    // 10.
    // No refresh yet: the table is filled after the window shows.
    ui->swdMain->setCurrentIndex(0);
    selectPage(DeviceListPage);
    // 11.
    m_pageNotifications->LoadNotificationWidgets();
    // 12.
    connect(&m_session, &MonitoringSession::statusUpdated, this, &WindowMain::SlotClockStatusUpdated);
    ui->wdtMain->installEventFilter(this);
    applyIcons();
    // 13.
    QTimer::singleShot(0, this, &WindowMain::deferredInit);
}

WindowMain::~WindowMain()
{
    WindowGeometry::save(*this);
    if (g_mainWindow == this)
        g_mainWindow = nullptr;
    m_tray.reset();
    delete ui;
    // The application-wide event filter of the frame still calls in while
    // the members go.
    ui = nullptr;
}

WindowMain *WindowMain::instance()
{
    return g_mainWindow;
}

bool WindowMain::openDeviceList(MonitoringSession &session, DialogHost &dialogs)
{
    if (session.acquireLock())
        return true;
    return dialogs.ask(nullptr,
                       tr("%1\nOpen the device list read-only? Nothing will be saved.").arg(session.readOnlyReason()),
                       QuestionIcon::Warning, tr("Open read-only"), tr("Quit"))
           == QuestionResult::Positive;
}

void WindowMain::buildPages()
{
    m_services.window = this;
    m_services.dialogs = &m_dialogs;
    m_services.runner = m_runner.get();
    m_services.session = &m_session;
    m_services.pixmaps = &m_statusPixmaps;
    m_services.toast = [this](const QString &text, ToastType type) { ShowToast(text, type); };
    m_services.openEditor = [this](int groupIndex, int clockIndex) { return openEditor(groupIndex, clockIndex); };
    m_services.setHiddenToTray = [this](bool visible) { SetHiddenToTray(visible); };
    m_results = std::make_unique<ResultSlots>(m_services);
    m_services.results = m_results.get();

    // The editor first: the other pages open it through their services.
    m_pageConfiguration = new PageConfiguration(m_services, ui->swdMain);
    ui->swdMain->addWidget(m_pageConfiguration);
    m_services.editor = m_pageConfiguration;
    connect(m_pageConfiguration, &PageConfiguration::SigLeaveEditor, this, &WindowMain::showMainPages);

    m_pageDeviceList = new PageDeviceList(m_services, ui->swdDevices);
    m_pageGroupList = new PageGroupList(m_services, ui->swdDevices);
    m_pageConflict = new PageConflict(m_services, ui->swdDevices);
    m_pageNotifications = new PageNotifications(m_services, ui->swdDevices);
    m_pageReport = new PageReport(m_services, ui->swdDevices);
    for (QWidget *page : {static_cast<QWidget *>(m_pageDeviceList), static_cast<QWidget *>(m_pageGroupList),
                          static_cast<QWidget *>(m_pageConflict), static_cast<QWidget *>(m_pageNotifications),
                          static_cast<QWidget *>(m_pageReport)})
        ui->swdDevices->addWidget(page);
}

void WindowMain::deferredInit()
{
    rebuildStatusPixmaps();
    m_tray->create();
    m_pageDeviceList->StartProgressiveFill();
    if (!m_loadMessage.isEmpty())
        m_dialogs.message(this, m_loadMessage, QuestionIcon::Warning);
}

void WindowMain::rebuildStatusPixmaps()
{
    ensurePolished();
    m_statusPixmaps.rebuild(m_labelGoodColor, m_labelWarningColor, m_labelCriticalColor);
}

QList<ToolButtonMenu *> WindowMain::navigationButtons() const
{
    return {ui->btnDeviceList, ui->btnGroupList, ui->btnConflictResolver, ui->btnNotifications, ui->btnReport};
}

void WindowMain::navigate(int index)
{
    switch (index) {
    case DeviceListPage:
        m_pageDeviceList->RefreshDeviceList();
        break;
    case GroupListPage:
        m_pageGroupList->RefreshGroupDeviceList();
        m_pageGroupList->BuildGroupTree();
        break;
    default:
        break;
    }
    selectPage(index);
}

void WindowMain::selectPage(int index)
{
    const QList<ToolButtonMenu *> buttons = navigationButtons();
    for (ToolButtonMenu *button : buttons)
        button->setSelected(false);
    buttons.at(index)->setSelected(true);
    ui->swdDevices->setCurrentIndex(index);
}

void WindowMain::on_btnDeviceList_clicked()
{
    navigate(DeviceListPage);
}

void WindowMain::on_btnGroupList_clicked()
{
    navigate(GroupListPage);
}

void WindowMain::on_btnConflictResolver_clicked()
{
    navigate(ConflictPage);
}

void WindowMain::on_btnNotifications_clicked()
{
    navigate(NotificationsPage);
}

void WindowMain::on_btnReport_clicked()
{
    navigate(ReportPage);
}

bool WindowMain::openEditor(int groupIndex, int clockIndex)
{
    if (!m_pageConfiguration->OpenConfigEditor(groupIndex, clockIndex))
        return false;
    if (ui->swdMain->currentWidget() != m_pageConfiguration)
        ui->swdMain->setCurrentWidget(m_pageConfiguration);
    m_pageConfiguration->selectFirstTab();
    return true;
}

void WindowMain::showMainPages()
{
    ui->swdMain->setCurrentWidget(ui->pageMain);
}

void WindowMain::SlotClockStatusUpdated(quint64 id)
{
    m_pageDeviceList->SlotClockStatusUpdated(id);
}

void WindowMain::onProgressUpdate(double value)
{
    m_runner->onProgressUpdate(value);
}

void WindowMain::ShowToast(const QString &text, ToastType type)
{
    if (!m_toaster) {
        m_toaster = new WidgetToaster(ui->wdtMain);
        m_toaster->setMaxToasts(maxToasts);
        m_toaster->setTopOffset(ui->wdtToolBar->height());
        m_toaster->place(ui->wdtMain->width(), ui->wdtMain->height());
        m_toaster->show();
    }
    m_toaster->add(text, type);
}

void WindowMain::ShowOperationError(Error kind)
{
    m_runner->ShowOperationError(kind);
}

// Tray

void WindowMain::SetHiddenToTray(bool visible)
{
    m_tray->SetHiddenToTray(visible);
}

bool WindowMain::isHiddenToTray() const
{
    return m_tray->isHiddenToTray();
}

void WindowMain::RebuildTrayMenu()
{
    m_tray->RebuildTrayMenu();
}

void WindowMain::TrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    m_tray->TrayActivated(reason);
}

void WindowMain::on_actionShowWindow_triggered()
{
    SetHiddenToTray(true);
}

void WindowMain::on_actionHideWindow_triggered()
{
    SetHiddenToTray(false);
}

void WindowMain::on_actionCloseApp_triggered()
{
    close();
}

// Title bar

void WindowMain::on_btnMinimize_clicked()
{
    showMinimized();
}

void WindowMain::on_btnMaximize_clicked()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void WindowMain::on_btnClose_clicked()
{
    close();
}

void WindowMain::onApplicationStateChanged(Qt::ApplicationState state)
{
    ui->wdtTitlebar->setEnabled(state == Qt::ApplicationActive);
}

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
        {ui->btnTheme, "theme.png"},
        {ui->btnHelp, "help.png"},
        {ui->btnAbout, "about.png"},
        {ui->btnMinimize, "window/minimize.png"},
        {ui->btnClose, "window/close.png"},
        {ui->btnDeviceList, "list.png"},
        {ui->btnGroupList, "group.png"},
        {ui->btnConflictResolver, "network.png"},
        {ui->btnNotifications, "mail.png"},
        {ui->btnReport, "report.png"},
    };
    for (const auto &entry : icons)
        entry.button->setIcon(ThemeManager::themedIcon(iconRoot + QLatin1String(entry.icon)));
    updateMaximizeIcon();
}

bool WindowMain::eventFilter(QObject *watched, QEvent *event)
{
    if (ui && watched == ui->wdtMain && event->type() == QEvent::Resize && m_toaster)
        m_toaster->place(ui->wdtMain->width(), ui->wdtMain->height());
    return CFramelessWindow::eventFilter(watched, event);
}

// Closing

void WindowMain::closeEvent(QCloseEvent *event)
{
    const NotificationSettings &alerts = notificationSettings();
    const auto askToClose = [this](const QString &text) {
        SetHiddenToTray(true);
        return m_dialogs.ask(this, text.arg(appDisplayName()), QuestionIcon::Warning, tr("Minimalize to tray"),
                             tr("Close application"), tr("Cancel"));
    };
    // Unset while no question was asked.
    std::optional<QuestionResult> answer;
    if (alerts.errorConnection || alerts.errorAuth || alerts.errorNtpTimeout)
        answer = askToClose(
            tr("Notification are turned on. Are you sure you want to close %1? (Alert e-mails won't be sent)"));
    if ((!answer || answer == QuestionResult::Negative) && AppSettings::reportSettings().enabled)
        answer = askToClose(tr("Reports are turned on. Are you sure you want to close %1? (Data reporting will stop)"));
    if (answer == QuestionResult::Positive)
        SetHiddenToTray(false);
    if (answer == QuestionResult::Positive || answer == QuestionResult::Neutral) {
        event->ignore();
        return;
    }

    if (ui->swdMain->currentWidget() == m_pageConfiguration) {
        m_pageConfiguration->StoreEditedConfiguration();
        showMainPages();
    }
    if (!m_session.save() && m_session.isWritable()) {
        // Closing now would drop every change since the last save.
        const QuestionResult closeAnyway = m_dialogs.ask(this, tr("%1 Close anyway? (Changes since the last save will be lost)")
                                                        .arg(m_session.lastSaveError()),
                                              QuestionIcon::Critical, tr("Close application"), tr("Cancel"));
        if (closeAnyway != QuestionResult::Positive) {
            event->ignore();
            return;
        }
    }
    event->accept();
    emit SigClosed();
}

// Theme, help, about

void WindowMain::on_btnTheme_clicked()
{
    MenuPopup menu(this);
    for (QAction *action : {ui->actionThemeLight, ui->actionThemeDark}) {
        action->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("theme.png")));
        menu.addAction(action);
    }
    menu.execAt(ui->btnTheme->mapToGlobal(QPoint(0, ui->btnTheme->height())));
}

void WindowMain::on_actionThemeDark_triggered()
{
    SetTheme(Theme::Dark);
}

void WindowMain::on_actionThemeLight_triggered()
{
    SetTheme(Theme::Light);
}

void WindowMain::SetTheme(Theme theme)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (ThemeWidgets::setTheme(theme, this)) {
        rebuildStatusPixmaps();
        if (m_toaster) {
            for (Toast *toast : m_toaster->toasts())
                ThemeWidgets::applyTheme(toast);
        }
        RebuildTrayMenu();
        applyIcons();
        if (ui->swdMain->currentWidget() == ui->pageMain) {
            m_pageDeviceList->RefreshDeviceList();
            if (ui->swdDevices->currentWidget() == m_pageGroupList)
                m_pageGroupList->BuildGroupTree();
        } else if (m_pageConfiguration->isEditing()) {
            m_pageConfiguration->FillSendTab(m_pageConfiguration->editedGroupIndex(),
                                             m_pageConfiguration->editedClockIndex());
        }
    }
    QApplication::restoreOverrideCursor();
}

void WindowMain::on_btnHelp_clicked()
{
    HelpManual::open();
}

void WindowMain::on_btnAbout_clicked()
{
    DialogAbout about(this);
    m_dialogs.runDialog(about);
}
