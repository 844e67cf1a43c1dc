#include "ui/dialogs/DialogParts.h"

#include "operations/change/ChangeRunState.h"
#include "ui/widgets/IconLabel.h"
#include "ui/widgets/ToolButtonMenu.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

namespace DialogParts {

namespace {

constexpr int titleBarHeight = 32;
constexpr int closeWidth = 36;
constexpr int closeHeight = 28;
constexpr int closeIconSize = 10;
constexpr int logoSize = 18;
constexpr int spacing = 8;
constexpr int buttonMinimumWidth = 90;

QString tr(const char *text)
{
    return QCoreApplication::translate("DialogParts", text);
}

} // namespace

QWidget *titleBar(QLabel *&title, QAbstractButton *&close)
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("wdtTitlebar"));
    bar->setProperty("titlebar", true);
    bar->setFixedHeight(titleBarHeight);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(spacing, 0, 0, 0);
    auto *logo = new IconLabel;
    logo->setFixedSize(logoSize, logoSize);
    logo->setPixmap(QPixmap(QStringLiteral(":/icons/resources/mono-icon.png")));
    logo->setScaledContents(true);
    logo->setProperty("transparent", true);
    title = new QLabel;
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setProperty("bold", true);
    title->setProperty("transparent", true);
    auto *button = new ToolButtonMenu;
    button->setObjectName(QStringLiteral("btnClose"));
    button->setFixedSize(closeWidth, closeHeight);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(tr("Close"));
    button->setAccessibleName(button->toolTip());
    button->setIcon(QIcon(QStringLiteral(":/icons/resources/icons/window/close.png")));
    button->setIconSize(QSize(closeIconSize, closeIconSize));
    button->setProperty("closebutton", true);
    close = button;
    layout->addWidget(logo);
    layout->addWidget(title);
    layout->addStretch();
    layout->addWidget(button);
    return bar;
}

QPushButton *pushButton(const QString &name, const QString &text)
{
    auto *made = new QPushButton(text);
    made->setObjectName(name);
    made->setMinimumWidth(buttonMinimumWidth);
    return made;
}

QTableView *tableView(const QString &name, const QString &accessibleName, QAbstractItemModel &model)
{
    auto *view = named(new QTableView, name, accessibleName);
    view->setModel(&model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    return view;
}

QWidget *waveSettings(WaveInputs &inputs)
{
    auto *box = named(new QGroupBox(tr("Waves")), QStringLiteral("gbxChangeWaves"));
    auto *form = new QFormLayout(box);
    const auto spin = [](const QString &name, int minimum, const QString &automatic) {
        auto *made = named(new QSpinBox, name);
        made->setRange(minimum, ChangeRunState::maxClocks);
        made->setSpecialValueText(automatic);
        made->setValue(minimum);
        return made;
    };
    inputs.canary = spin(QStringLiteral("sbxChangeCanary"), 0, tr("1 % of the clocks"));
    inputs.wave = spin(QStringLiteral("sbxChangeWave"), 0, tr("10 % of the clocks"));
    inputs.maxFailed = spin(QStringLiteral("sbxChangeMaxFailed"), -1, tr("5 % of the clocks sent to"));
    form->addRow(tr("First wave (clocks)"), inputs.canary);
    form->addRow(tr("Each later wave (clocks)"), inputs.wave);
    form->addRow(tr("Failures before it stops"), inputs.maxFailed);
    return box;
}

} // namespace DialogParts
