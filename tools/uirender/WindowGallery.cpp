#include "tools/uirender/WindowGallery.h"

#include "model/ClockRegistry.h"
#include "operations/CommissioningModel.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "notify/NotificationSettings.h"
#include "operations/change/ChangeRunState.h"
#include "session/ChangeClocksFlow.h"
#include "session/PasswordClocksFlow.h"
#include "ui/dialogs/DialogAuthentication.h"
#include "ui/dialogs/DialogChangeClocks.h"
#include "ui/dialogs/DialogChangePasswords.h"
#include "ui/dialogs/DialogCombobox.h"
#include "ui/dialogs/DialogCommissioningResults.h"
#include "ui/pages/DialogDeviceSettings.h"
#include "ui/dialogs/DialogDevicesFound.h"
#include "ui/dialogs/DialogNewClock.h"
#include "session/MonitoringSession.h"
#include "ui/editor/PageConfiguration.h"
#include "ui/pages/PageDeviceList.h"
#include "ui/pages/PageGroupList.h"
#include "ui/pages/PageNotifications.h"
#include "ui/pages/PageReport.h"
#include "ui/services/PageServices.h"
#include "tools/uirender/SampleSite.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "ui/window/WindowMain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include <functional>

namespace WindowGallery {

namespace {

// Wide enough for the status column to show its two lines whole.
constexpr int windowWidth = 1200;
constexpr int windowHeight = 680;
// A debug build with sanitizers fills the list and the alarm table slowly.
constexpr int readyDeadlineMs = 20000;

enum EditorTab { TimeTab, DisplayTab, AlarmsTab, SendTab };

template<typename T>
std::unique_ptr<QWidget> own(T *widget)
{
    return std::unique_ptr<QWidget>(widget);
}

// Nothing the tool renders asks a question; should anything, it is answered
// at once instead of waiting for a click nobody makes.
DialogHost &dialogs()
{
    static ScriptedDialogHost host;
    return host;
}

// The tool's own exchanges and alert settings, as a program's main() holds
// them; the pictures need nothing more lasting.
Communication &exchanges()
{
    static Communication communication;
    return communication;
}

NotificationSettings &alerts()
{
    static NotificationSettings settings;
    return settings;
}

void waitUntil(const std::function<bool()> &ready)
{
    const QDeadlineTimer deadline(readyDeadlineMs);
    while (!ready() && !deadline.hasExpired())
        QCoreApplication::processEvents();
}

// The report page as it looks with a report switched on, without switching
// the reporter on: a render must not write a workbook.
void showReportSettings(WindowMain *window)
{
    auto *page = window->findChild<PageReport *>();
    auto *enable = page->findChild<QCheckBox *>(QStringLiteral("cbxReportEnable"));
    const QSignalBlocker blocker(enable);
    enable->setChecked(true);
    for (const char *name : {"btnReportChangeFile", "cbxReportFileType", "cbxReportInterval", "cbxReportValueType"})
        page->findChild<QWidget *>(QLatin1String(name))->setEnabled(true);
    page->findChild<QLabel *>(QStringLiteral("lblReportPath"))
        ->setText(QStringLiteral("/home/operator/reports/temperatures.xlsx"));
    const int halfHourIndex = 3;
    page->findChild<QComboBox *>(QStringLiteral("cbxReportInterval"))->setCurrentIndex(halfHourIndex);
}

// The window on the sample site, on its device list once that is filled.
WindowMain *makeWindow()
{
    auto *session = new MonitoringSession(*ClockRegistry::instance(), exchanges(), alerts());
    // The tool's own temporary list: the window shows as it does for its writer.
    // The session is never started: the sample's addresses may exist on the
    // network the tool runs in.
    session->acquireLock();
    auto *services = new PageServices(*ClockRegistry::instance(), exchanges(), *session, dialogs());
    auto *window = new WindowMain(*services);
    // The window's children go in order: its pages first, then the services
    // and the session they use.
    services->setParent(window);
    session->setParent(window);
    SampleSite::populate(alerts());
    QObject::connect(window, &QObject::destroyed, [] { SampleSite::clear(alerts()); });
    window->findChild<PageNotifications *>()->LoadNotificationWidgets();
    showReportSettings(window);
    window->resize(windowWidth, windowHeight);
    window->show();
    auto *list = window->findChild<PageDeviceList *>();
    waitUntil([list] { return list->table()->model()->rowCount() == ClockRegistry::instance()->clockCount(); });
    return window;
}

std::unique_ptr<QWidget> page(const char *navigationButton)
{
    WindowMain *window = makeWindow();
    window->findChild<QAbstractButton *>(QLatin1String(navigationButton))->click();
    return own(window);
}

// With the row of a synchronised clock selected, as after a click on it.
std::unique_ptr<QWidget> deviceList()
{
    std::unique_ptr<QWidget> window = page("btnDeviceList");
    const int lobby = 2;
    window->findChild<PageDeviceList *>()->table()->selectRow(lobby);
    return window;
}

// Scrolled to the end of the list, where the audit found most, with
// "Library" (synchronised, naming no server) selected.
std::unique_ptr<QWidget> deviceListAudit()
{
    std::unique_ptr<QWidget> window = page("btnDeviceList");
    QTableView *table = window->findChild<PageDeviceList *>()->table();
    const int library = 15;
    table->selectRow(library);
    table->scrollToBottom();
    return window;
}

std::unique_ptr<QWidget> editor(int groupIndex, int clockIndex, int tab)
{
    WindowMain *window = makeWindow();
    window->openEditor({groupIndex, clockIndex});
    auto *editor = window->findChild<PageConfiguration *>();
    waitUntil([editor] { return !editor->isLoadingAlarms(); });
    editor->findChild<QTabWidget *>(QStringLiteral("twdConfiguration"))->setCurrentIndex(tab);
    return own(window);
}

std::unique_ptr<QWidget> newClock()
{
    auto *dialog = new DialogNewClock(dialogs());
    dialog->setNetworkCards({SampleSite::networkCard()}, NetworkCardData());
    dialog->findChild<QLineEdit *>(QStringLiteral("ledIP"))->setText(QStringLiteral("192.168.0.40"));
    dialog->findChild<QLineEdit *>(QStringLiteral("ledUser"))->setText(QStringLiteral("admin"));
    dialog->findChild<QLineEdit *>(QStringLiteral("ledPassword"))->setText(QStringLiteral("admin"));
    return own(dialog);
}

// The second way in: a range typed, or a plan chosen with its names to be given.
std::unique_ptr<QWidget> newClocks(bool plan)
{
    auto *dialog = new DialogNewClock(dialogs());
    dialog->findChild<QRadioButton *>(QLatin1String(plan ? "rbtPlan" : "rbtRange"))->setChecked(true);
    dialog->findChild<QLineEdit *>(QStringLiteral("ledRange"))->setText(QStringLiteral("10.20.1.0/24"));
    dialog->findChild<QLineEdit *>(QStringLiteral("ledPlanFile"))
        ->setText(QStringLiteral("/home/operator/sites/north-wing.csv"));
    dialog->findChild<QCheckBox *>(QStringLiteral("cbxPlanNames"))->setChecked(true);
    dialog->findChild<QLineEdit *>(QStringLiteral("ledUser"))->setText(QStringLiteral("admin"));
    dialog->findChild<QLineEdit *>(QStringLiteral("ledPassword"))->setText(QStringLiteral("admin"));
    return own(dialog);
}

// A plan's run with every outcome.
std::unique_ptr<QWidget> commissioningResults()
{
    auto *model = new CommissioningModel;
    auto *dialog = new DialogCommissioningResults(*model);
    model->setParent(dialog);
    const auto clock = [](const char *ip, CommissionedAddress::Outcome outcome, const char *name, const char *group) {
        CommissionedAddress address;
        address.ip = QLatin1String(ip);
        address.outcome = outcome;
        address.name = QLatin1String(name);
        address.productCode = QStringLiteral("QM03");
        address.firmware = 305;
        address.group = QLatin1String(group);
        return address;
    };
    CommissionedAddress lobby = clock("10.20.1.10", CommissionedAddress::Added, "Lobby", "Ground floor");
    lobby.rename = CommissionedAddress::Rename::Renamed;
    CommissionedAddress yard = clock("10.20.2.40", CommissionedAddress::Moved, "Yard", "Outside");
    yard.movedFrom = QStringLiteral("10.20.2.17");
    CommissionedAddress refused = clock("10.20.1.11", CommissionedAddress::WrongPassword, "", "Ground floor");
    refused.reason = QStringLiteral("wrong user name or password");
    CommissionedAddress printer = clock("10.20.1.12", CommissionedAddress::NotAClock, "", "");
    printer.reason = QStringLiteral("the answer names no known clock model");
    CommissionedAddress empty = clock("10.20.1.13", CommissionedAddress::NoAnswer, "", "");
    empty.reason = QStringLiteral("no answer within 1.5 s");
    for (const CommissionedAddress &address :
         {lobby, refused, printer, empty, clock("10.20.1.14", CommissionedAddress::AlreadyListed, "Hall", "Ground floor"),
          yard})
        dialog->model().append(address);
    dialog->showSummary(6);
    return own(dialog);
}

std::unique_ptr<QWidget> authentication()
{
    auto *dialog = new DialogAuthentication;
    dialog->findChild<QLineEdit *>(QStringLiteral("ledUser"))->setText(QStringLiteral("admin"));
    dialog->findChild<QLineEdit *>(QStringLiteral("ledPassword"))->setText(QStringLiteral("admin"));
    return own(dialog);
}

std::unique_ptr<QWidget> devicesFound()
{
    auto *dialog = new DialogDevicesFound(dialogs());
    const QVector<DevClock *> clocks = SampleSite::foundClocks();
    for (DevClock *clock : clocks)
        clock->setParent(dialog);
    // The first is on the list already.
    QVector<bool> duplicate(clocks.size(), false);
    duplicate[0] = true;
    dialog->setClocks(clocks, duplicate);
    return own(dialog);
}

std::unique_ptr<QWidget> deviceSettings()
{
    SampleSite::populate(alerts());
    auto *dialog = new DialogDeviceSettings(dialogs(), exchanges());
    QObject::connect(dialog, &QObject::destroyed, [] { SampleSite::clear(alerts()); });
    dialog->setNetworkCards({SampleSite::networkCard()});
    const int lobby = 2;
    dialog->setClock(ClockRegistry::instance()->clockAt(lobby), lobby);
    return own(dialog);
}

// Which member's configuration a group without one takes.
std::unique_ptr<QWidget> groupMemberChoice()
{
    auto *dialog = new DialogCombobox;
    PageGroupList::setUpMemberChoice(*dialog, {QStringLiteral("Main entrance"), QStringLiteral("Reception"),
                                               QStringLiteral("Lobby")});
    return own(dialog);
}

// A change of the NTP server and the brightness on a few clocks of the site,
// planned (applied: as it ended).
std::unique_ptr<QWidget> changeClocks(bool applied)
{
    using State = ClockChange::State;
    ChangeRunState run;
    run.id = QStringLiteral("20261209-081502-7f3a");
    run.created = QDateTime(QDate(2026, 12, 9), QTime(8, 15, 2), Qt::UTC);
    run.recipe.values = {{QStringLiteral("Server1"), QStringLiteral("ntp.site.example")},
                         {QStringLiteral("Brightness"), QStringLiteral("7")}};
    const auto clock = [](const char *ip, const char *name, State state, QVector<FieldChange> changes,
                          const char *error = "") {
        ClockChange change;
        change.ip = QLatin1String(ip);
        change.name = QLatin1String(name);
        change.state = state;
        change.changes = std::move(changes);
        change.error = QLatin1String(error);
        return change;
    };
    const FieldChange server{QStringLiteral("Server1"), QStringLiteral("ntp.old-site.example"),
                             QStringLiteral("ntp.site.example")};
    const FieldChange brightness{QStringLiteral("Brightness"), QStringLiteral("10"), QStringLiteral("7")};
    const State sent = applied ? State::Verified : State::Planned;
    run.clocks = {clock("192.168.0.20", "Main entrance", sent, {server, brightness}),
                  clock("192.168.0.21", "Reception", sent, {brightness}),
                  clock("192.168.0.22", "Lobby", State::Skipped, {}),
                  clock("192.168.0.28", "Corridor 2", applied ? State::Failed : State::Planned, {server, brightness},
                        applied ? "not verified: the clock does not show the change (display)" : ""),
                  clock("192.168.0.33", "Boiler room", State::Unreadable, {}, "no answer within 3 s")};
    auto *flow = new ChangeClocksFlow(exchanges());
    auto *dialog = new DialogChangeClocks(dialogs(), *flow, DialogChangeClocks::Mode::Choose);
    flow->setParent(dialog);
    flow->showRun(run, applied);
    // The result's verified and error columns in view too.
    dialog->resize(windowWidth, dialog->height());
    return own(dialog);
}

// A password run of five clocks as it ended: one refused its stored password,
// one took the new one but answers to neither.
std::unique_ptr<QWidget> changePasswords()
{
    using State = PasswordClock::State;
    const auto clock = [](const char *ip, const char *name, State state, const char *error = "") {
        PasswordClock made;
        made.ip = QLatin1String(ip);
        made.name = QLatin1String(name);
        made.state = state;
        made.error = QLatin1String(error);
        return made;
    };
    const QVector<PasswordClock> clocks{
        clock("192.168.0.20", "Main entrance", State::Verified),
        clock("192.168.0.21", "Reception", State::Verified),
        clock("192.168.0.22", "Lobby", State::Failed, "An error occured: Wrong user name or password"),
        clock("192.168.0.28", "Corridor 2", State::Unverified,
              "not verified: the clock took the new password but does not answer with it (no answer within 3 s)"),
        clock("192.168.0.33", "Boiler room", State::Verified)};
    auto *flow = new PasswordClocksFlow(exchanges(), *ClockRegistry::instance());
    auto *dialog = new DialogChangePasswords(dialogs(), *flow);
    flow->setParent(dialog);
    flow->showResult(QStringLiteral("20261209-091744-2c5e"), clocks, false);
    return own(dialog);
}

} // namespace

std::vector<GalleryScene> scenes()
{
    const int firstClock = 0;
    const int firstGroup = 0;
    return {
        {QStringLiteral("window-device-list"), deviceList},
        {QStringLiteral("window-device-list-audit"), deviceListAudit},
        {QStringLiteral("window-groups"), [] { return page("btnGroupList"); }},
        {QStringLiteral("window-conflicts"), [] { return page("btnConflictResolver"); }},
        {QStringLiteral("window-notifications"), [] { return page("btnNotifications"); }},
        {QStringLiteral("window-report"), [] { return page("btnReport"); }},
        {QStringLiteral("window-editor-time"), [=] { return editor(-1, firstClock, TimeTab); }},
        {QStringLiteral("window-editor-display"), [=] { return editor(-1, firstClock, DisplayTab); }},
        {QStringLiteral("window-editor-alarms"), [=] { return editor(-1, firstClock, AlarmsTab); }},
        {QStringLiteral("window-editor-send"), [=] { return editor(-1, firstClock, SendTab); }},
        {QStringLiteral("window-editor-group-send"), [=] { return editor(firstGroup, -1, SendTab); }},
        {QStringLiteral("dialog-new-clock"), newClock},
        {QStringLiteral("dialog-new-clock-range"), [] { return newClocks(false); }},
        {QStringLiteral("dialog-new-clock-plan"), [] { return newClocks(true); }},
        {QStringLiteral("dialog-commissioning-results"), commissioningResults},
        {QStringLiteral("dialog-authentication"), authentication},
        {QStringLiteral("dialog-devices-found"), devicesFound},
        {QStringLiteral("dialog-device-settings"), deviceSettings},
        {QStringLiteral("dialog-group-member-choice"), groupMemberChoice},
        {QStringLiteral("dialog-change-clocks-preview"), [] { return changeClocks(false); }},
        {QStringLiteral("dialog-change-clocks-result"), [] { return changeClocks(true); }},
        {QStringLiteral("dialog-change-passwords"), changePasswords},
    };
}

} // namespace WindowGallery
