#include "ui/editor/TabSend.h"

#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "desktop/ThemeManager.h"
#include "ui_TabSend.h"

namespace {

const QString groupIcon = QStringLiteral(":/icons/resources/icons/list.png");
const QString clockIcon = QStringLiteral(":/icons/resources/icons/clock.png");

QString clockText(const DevClock &clock)
{
    return clock.name + QStringLiteral(" (") + clock.network.ip + QLatin1Char(')');
}

QTreeWidgetItem *makeItem(const QString &text, const QString &icon)
{
    auto *item = new QTreeWidgetItem({text});
    item->setIcon(0, ThemeManager::themedIcon(icon));
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

TabSend::TabSend(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TabSend)
{
    ui->setupUi(this);
    connect(ui->btnSendConfiguration, &QAbstractButton::clicked, this, &TabSend::sendRequested);
}

TabSend::~TabSend()
{
    delete ui;
}

bool TabSend::fill(const ClockRegistry &registry, int groupIndex, int clockIndex)
{
    ui->twdGroupListConfig->clear();
    const bool isGroup = groupIndex >= 0;
    if (isGroup) {
        if (const DevGroup *group = registry.groupAt(groupIndex)) {
            QTreeWidgetItem *top = makeItem(group->name(), groupIcon);
            for (int member : group->clockIndexes()) {
                if (const DevClock *clock = registry.clockAt(member))
                    top->addChild(makeItem(clockText(*clock), clockIcon));
            }
            ui->twdGroupListConfig->addTopLevelItem(top);
        }
    } else if (const DevClock *clock = registry.clockAt(clockIndex)) {
        ui->twdGroupListConfig->addTopLevelItem(makeItem(clockText(*clock), clockIcon));
    }
    ui->twdGroupListConfig->expandAll();
    return isGroup;
}

void TabSend::setSendEnabled(bool enabled)
{
    ui->btnSendConfiguration->setEnabled(enabled);
}
