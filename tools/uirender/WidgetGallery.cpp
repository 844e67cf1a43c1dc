#include "tools/uirender/WidgetGallery.h"

#include "ui/frame/CFramelessWindow.h"
#include "ui/widgets/CustomHeaderedTable.h"
#include "ui/widgets/CustomTableHeader.h"
#include "ui/dialogs/DialogAbout.h"
#include "ui/dialogs/DialogAvailability.h"
#include "model/ClockStatus.h"
#include "ui/dialogs/DialogCombobox.h"
#include "ui/dialogs/DialogEditName.h"
#include "ui/dialogs/DialogProgress.h"
#include "ui/dialogs/DialogQuestion.h"
#include "ui/widgets/DoubleSpinBoxCustom.h"
#include "ui/widgets/ElideLabel.h"
#include "ui/widgets/IconLabel.h"
#include "ui/widgets/IpEdit.h"
#include "ui/widgets/MenuPopup.h"
#include "ui/widgets/PushButtonFlat.h"
#include "ui/widgets/TableItemCustom.h"
#include "desktop/ThemeManager.h"
#include "ui/widgets/ThemeWidgets.h"
#include "ui/widgets/Toast.h"
#include "ui/widgets/ToolButtonMenu.h"
#include "ui/widgets/WidgetToaster.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace WidgetGallery {

namespace {

const QString iconRoot = QStringLiteral(":/icons/resources/icons/");

template<typename T>
std::unique_ptr<QWidget> own(T *widget)
{
    return std::unique_ptr<QWidget>(widget);
}

std::unique_ptr<QWidget> question(QuestionIcon icon, const QString &text, const QString &positive,
                                  const QString &negative, const QString &neutral)
{
    return own(new DialogQuestion(nullptr, QStringLiteral("QLX Zentick"), text, positive, icon, negative, neutral));
}

std::unique_ptr<QWidget> progress()
{
    auto *dialog = new DialogProgress(nullptr, QStringLiteral("QLX Zentick"),
                                      QObject::tr("Downloading the configuration of Clock 3"));
    dialog->setValue(0.4);
    while (dialog->ramp().shown() < 0.4)
        dialog->onTimerTimeout();
    return own(dialog);
}

std::unique_ptr<QWidget> editName()
{
    auto *dialog = new DialogEditName;
    dialog->set(QObject::tr("Edit group name"), QObject::tr("Group name:"), QStringLiteral("Hall B"),
                QObject::tr("Accept"));
    return own(dialog);
}

std::unique_ptr<QWidget> combobox()
{
    auto *dialog = new DialogCombobox;
    dialog->setWindowTitle(QStringLiteral("QLX Zentick"));
    dialog->setButtons(QObject::tr("Replace"), QObject::tr("Cancel"));
    dialog->setTexts(QObject::tr("Special frame 4 is already in use."), QObject::tr("Choose the frame to replace."),
                     QObject::tr("Frame:"), {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    return own(dialog);
}

ToolButtonMenu *toolButton(const QString &icon, const QString &position, bool selected)
{
    auto *button = new ToolButtonMenu;
    button->setIcon(ThemeManager::themedIcon(iconRoot + icon));
    button->setIconSize(QSize(20, 20));
    button->setFixedSize(44, 40);
    // The theme sets the side for every tool button; this one names its own.
    button->setStyleSheet(QStringLiteral("ToolButtonMenu { qproperty-selectionPosition: \"%1\"; }").arg(position));
    button->setSelected(selected);
    return button;
}

// A main-window frame: title bar with logo, title and window buttons, and a
// navigation bar whose selected button shows its bar on the left.
std::unique_ptr<QWidget> framelessWindow()
{
    auto *window = new CFramelessWindow;
    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *titleBar = new QWidget;
    titleBar->setObjectName(QStringLiteral("wdtTitleBar"));
    titleBar->setProperty("titlebar", true);
    titleBar->setFixedHeight(36);
    auto *titleRow = new QHBoxLayout(titleBar);
    titleRow->setContentsMargins(10, 0, 0, 0);
    auto *logo = new IconLabel;
    logo->setFixedSize(20, 20);
    logo->setScaledContents(true);
    logo->setPixmap(QPixmap(QStringLiteral(":/icons/resources/mono-icon.png")));
    auto *title = new QLabel(QStringLiteral("QLX Zentick"));
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setProperty("bold", true);
    titleRow->addWidget(logo);
    titleRow->addWidget(title);
    titleRow->addStretch();
    for (const char *name : {"window/minimize.png", "window/maximize.png", "window/close.png"}) {
        auto *button = toolButton(QString::fromLatin1(name), QStringLiteral("bottom"), false);
        button->setIconSize(QSize(12, 12));
        if (QByteArray(name) == "window/close.png")
            button->setProperty("closebutton", true);
        titleRow->addWidget(button);
    }
    column->addWidget(titleBar);

    auto *body = new QWidget;
    auto *bodyRow = new QHBoxLayout(body);
    bodyRow->setContentsMargins(0, 0, 0, 0);
    auto *toolBar = new QWidget;
    toolBar->setProperty("toolbar", true);
    auto *tools = new QVBoxLayout(toolBar);
    tools->setContentsMargins(0, 8, 0, 8);
    const char *navigation[] = {"list.png", "group.png", "settings.png", "mail.png", "report.png"};
    for (int i = 0; i < 5; ++i)
        tools->addWidget(toolButton(QString::fromLatin1(navigation[i]), QStringLiteral("left"), i == 0));
    tools->addStretch();
    bodyRow->addWidget(toolBar);
    auto *page = new QLabel(QObject::tr("Device list"));
    page->setAlignment(Qt::AlignCenter);
    bodyRow->addWidget(page, 1);
    column->addWidget(body, 1);

    window->setCentralWidget(central);
    window->setTitleBar(titleBar);
    window->addIgnoreWidget(logo);
    window->addIgnoreWidget(title);
    window->resize(560, 340);
    ThemeWidgets::applyTheme(window);
    return own(window);
}

std::unique_ptr<QWidget> inputs()
{
    auto *page = new QFrame;
    page->setObjectName(QStringLiteral("inputs"));
    page->setProperty("subgroup", true);
    auto *form = new QFormLayout(page);
    form->setContentsMargins(16, 16, 16, 16);
    auto *ip = new IpEdit;
    ip->setText(QStringLiteral("192.168.0.12"));
    form->addRow(QObject::tr("IP address:"), ip);
    auto *offset = new DoubleSpinBoxCustom;
    offset->setRange(-10.0, 10.0);
    offset->setDecimals(1);
    offset->setValue(1.5);
    form->addRow(QObject::tr("Temperature offset:"), offset);
    auto *elided = new ElideLabel(QObject::tr("Clock in the north corridor of the second floor, next to the lift"));
    elided->setElideMode(Qt::ElideRight);
    elided->setMaximumWidth(220);
    form->addRow(QObject::tr("Elided label:"), elided);
    auto *buttons = new QWidget;
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    auto *search = new PushButtonFlat(QObject::tr("Search"));
    search->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("search.png")));
    auto *add = new PushButtonFlat(QObject::tr("Add"));
    add->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("add.png")));
    auto *accept = new QPushButton(QObject::tr("Accept"));
    accept->setProperty("DefaultAction", true);
    row->addWidget(search);
    row->addWidget(add);
    row->addWidget(accept);
    row->addStretch();
    form->addRow(QObject::tr("Buttons:"), buttons);
    auto *selection = new QWidget;
    auto *selectionRow = new QHBoxLayout(selection);
    selectionRow->setContentsMargins(0, 0, 0, 0);
    for (const char *side : {"bottom", "top", "left", "right"})
        selectionRow->addWidget(toolButton(QStringLiteral("list.png"), QString::fromLatin1(side), true));
    selectionRow->addStretch();
    form->addRow(QObject::tr("Selected tool buttons:"), selection);
    page->resize(520, 260);
    ThemeWidgets::applyTheme(page);
    return own(page);
}

std::unique_ptr<QWidget> tableCells()
{
    auto *table = new QTableWidget(3, 1);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setShowGrid(false);
    const QString names[] = {QStringLiteral("Reception"), QStringLiteral("Hall B"), QString()};
    const QString details[] = {QStringLiteral("192.168.0.11 - online"), QString(), QStringLiteral("192.168.0.14")};
    for (int row = 0; row < 3; ++row) {
        auto *cell = new TableItemCustom(nullptr, row, names[row], details[row]);
        cell->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("clock.png")).pixmap(20, 20));
        cell->addCheckBox(row == 0);
        cell->addComboBox({QObject::tr("Brightness"), QObject::tr("Temperature")}, row % 2);
        cell->addButton(iconRoot + QStringLiteral("download.png"), QString(), QObject::tr("Download"), 32);
        cell->addButton(iconRoot + QStringLiteral("settings.png"), QString(), QObject::tr("Settings"), 32);
        table->setCellWidget(row, 0, cell);
        table->setRowHeight(row, 48);
    }
    table->resize(520, 3 * 48 + 4);
    ThemeWidgets::applyTheme(table);
    return own(table);
}

std::unique_ptr<QWidget> headeredTable()
{
    auto *table = new CustomHeaderedTable;
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels(
        {QString(), QObject::tr("Name"), QObject::tr("IP address"), QObject::tr("MAC address")});
    const QStringList rows[] = {
        {QStringLiteral("Clock 2"), QStringLiteral("192.168.0.11"), QStringLiteral("00:1A:2B:00:00:02")},
        {QStringLiteral("Clock 1"), QStringLiteral("192.168.0.12"), QStringLiteral("00:1A:2B:00:00:01")},
        {QStringLiteral("Clock 3"), QStringLiteral("192.168.0.13"), QStringLiteral("00:1A:2B:00:00:03")},
    };
    table->setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        auto *check = new QTableWidgetItem;
        check->setCheckState(Qt::Checked);
        table->setItem(row, 0, check);
        for (int column = 0; column < 3; ++column)
            table->setItem(row, column + 1, new QTableWidgetItem(rows[row].at(column)));
    }
    table->setColumnWidth(0, 32);
    table->setColumnWidth(1, 120);
    table->setColumnWidth(2, 140);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->customHeader()->setSectionWidget(0, new QCheckBox);
    table->sortByColumnClicked(1);
    table->resize(520, 160);
    ThemeWidgets::applyTheme(table);
    return own(table);
}

std::unique_ptr<QWidget> menu()
{
    auto *popup = new MenuPopup;
    popup->addAction(ThemeManager::themedIcon(iconRoot + QStringLiteral("theme.png")), QObject::tr("Dark"));
    popup->addAction(ThemeManager::themedIcon(iconRoot + QStringLiteral("theme.png")), QObject::tr("Light"));
    popup->addSeparator();
    popup->addAction(QObject::tr("Quit"));
    ThemeWidgets::applyTheme(popup);
    return own(popup);
}

// A made-up November of a small site, as the availability dialog shows it.
std::unique_ptr<QWidget> availability()
{
    const QDateTime from(QDate(2026, 11, 1), QTime(0, 0), Qt::LocalTime);
    const QDateTime to = from.addMonths(1);
    const QString ground = QStringLiteral("Ground floor");
    const QString platforms = QStringLiteral("Platforms");
    const QList<AvailabilityReport::Clock> clocks{
        {QStringLiteral("192.168.0.20"), QStringLiteral("Entrance"), ground, {}},
        {QStringLiteral("192.168.0.21"), QStringLiteral("Hall A"), ground, {}},
        {QStringLiteral("192.168.0.30"), QStringLiteral("Platform 1"), platforms, {}},
        {QStringLiteral("192.168.0.31"), QStringLiteral("Platform 2"), platforms, {}},
        {QStringLiteral("192.168.0.40"), QStringLiteral("Workshop"), QString(), {}}};
    // Hours from the start of the month, what happened and to which clock.
    const struct { int hours; ClockEvent::Kind kind; int clock; int ntp; } story[] = {
        {0, ClockEvent::Kind::MonitorStarted, -1, 0},  {58, ClockEvent::Kind::Unreachable, 1, 0},
        {59, ClockEvent::Kind::Reachable, 1, 0},       {146, ClockEvent::Kind::Ntp, 3, NtpNoConnection},
        {170, ClockEvent::Kind::Ntp, 3, NtpSynchronized}, {266, ClockEvent::Kind::Unreachable, 2, 0},
        {270, ClockEvent::Kind::Reachable, 2, 0},      {350, ClockEvent::Kind::Muted, 4, 0},
        {374, ClockEvent::Kind::Unmuted, 4, 0},        {470, ClockEvent::Kind::Unreachable, 2, 0},
        {471, ClockEvent::Kind::Reachable, 2, 0}};
    QList<ClockEvent> events;
    for (const auto &entry : story) {
        ClockEvent event;
        event.time = from.addSecs(3600 * entry.hours).toUTC();
        event.kind = entry.kind;
        event.ntp = entry.ntp;
        if (entry.clock >= 0)
            event.ip = clocks.at(entry.clock).ip;
        events.append(event);
    }
    auto *dialog = new DialogAvailability(clocks, QString());
    dialog->showResult(AvailabilityReport::compute(from.toUTC(), to.toUTC(), clocks, events, to.toUTC()));
    dialog->resize(1040, 720);
    return own(dialog);
}

// Toasts over a plain window, held fully faded in.
std::unique_ptr<QWidget> toasts()
{
    auto *host = new QFrame;
    host->setObjectName(QStringLiteral("toastHost"));
    host->setProperty("subgroup", true);
    host->resize(560, 300);
    auto *toaster = new WidgetToaster(host);
    toaster->setMaxToasts(5);
    toaster->setToastDurations(0, 60 * 60 * 1000, Toast::defaultFadeOutMs);
    toaster->add(QObject::tr("Clock %1 configuration downloaded").arg(3), ToastType::Success);
    toaster->add(QObject::tr("Settings saved"), ToastType::Info);
    toaster->add(QObject::tr("Clock %1 did not answer").arg(5), ToastType::Warning);
    ThemeWidgets::applyTheme(host);
    return own(host);
}

} // namespace

std::vector<Scene> scenes()
{
    std::vector<Scene> all = {
        {QStringLiteral("dialog-question"),
         [] {
             return question(QuestionIcon::Question, QObject::tr("Remove the group \"Hall B\" from the list?"),
                             QObject::tr("Remove"), QObject::tr("Keep"), QString());
         }},
        {QStringLiteral("dialog-question-three-buttons"),
         [] {
             return question(QuestionIcon::Warning,
                             QObject::tr("Notifications are switched on. Close the program anyway?"),
                             QObject::tr("Close"), QObject::tr("Minimise"), QObject::tr("Cancel"));
         }},
        {QStringLiteral("dialog-message-info"),
         [] {
             return question(QuestionIcon::Info, QObject::tr("The test e-mail was sent."), QObject::tr("OK"),
                             QString(), QString());
         }},
        {QStringLiteral("dialog-message-critical"),
         [] {
             return question(QuestionIcon::Critical, QObject::tr("An error occured:") + QLatin1Char('\n')
                                 + QObject::tr("Connection timed out"),
                             QObject::tr("OK"), QString(), QString());
         }},
        {QStringLiteral("dialog-progress"), progress},
        {QStringLiteral("dialog-edit-name"), editName},
        {QStringLiteral("dialog-combobox"), combobox},
        {QStringLiteral("dialog-about"), [] { return own(new DialogAbout); }},
        {QStringLiteral("dialog-availability"), availability},
        {QStringLiteral("frameless-window"), framelessWindow},
        {QStringLiteral("widgets-inputs"), inputs},
        {QStringLiteral("widgets-table-cells"), tableCells},
        {QStringLiteral("widgets-headered-table"), headeredTable},
        {QStringLiteral("widgets-menu"), menu},
        {QStringLiteral("toasts"), toasts},
    };
    return all;
}

} // namespace WidgetGallery
