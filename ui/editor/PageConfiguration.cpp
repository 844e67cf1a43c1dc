#include "PageConfiguration.h"

#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "DialogHost.h"
#include "DialogQuestion.h"
#include "ThemeManager.h"
#include "ui_PageConfiguration.h"

PageConfiguration::PageConfiguration(const PageServices &services, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageConfiguration)
    , m_services(services)
{
    ui->setupUi(this);
    ui->btnConfigBack->setIcon(ThemeManager::themedIcon(QStringLiteral(":/icons/resources/icons/remove.png")));
}

PageConfiguration::~PageConfiguration()
{
    delete ui;
}

bool PageConfiguration::OpenConfigEditor(int groupIndex, int clockIndex)
{
    ClockRegistry *registry = ClockRegistry::instance();
    std::unique_ptr<ClockConfig> source;
    QString title;
    if (groupIndex >= 0 && clockIndex == -1) {
        const DevGroup *group = registry->groupAt(groupIndex);
        if (group && group->hasConfig()) {
            source = ClockConfig::copy(*group->config());
            title = tr("Group") + QStringLiteral(": ") + group->name();
        }
    } else if (clockIndex != -1) {
        const DevClock *clock = registry->clockAt(clockIndex);
        if (!clock)
            return false;
        if (!clock->hasConfig()) {
            m_services.dialogs->message(
                m_services.window,
                tr("Clock has no fetched configuration. Download clock configuration first in device list."),
                QuestionIcon::Critical);
            return false;
        }
        source = ClockConfig::copy(clock->config());
        title = tr("Clock") + QStringLiteral(": ") + clock->name;
    }
    if (!source)
        return false;
    ui->lblConfigName->setText(title);
    m_shown = std::move(source);
    FillSendTab(groupIndex, clockIndex);
    m_editedClockIndex = clockIndex;
    m_editedGroupIndex = groupIndex;
    return true;
}

std::unique_ptr<ClockConfig> PageConfiguration::ReadConfigFromWidgets() const
{
    return m_shown ? ClockConfig::copy(*m_shown) : std::make_unique<ClockConfig>();
}

void PageConfiguration::StoreEditedConfiguration()
{
    ClockRegistry *registry = ClockRegistry::instance();
    const std::unique_ptr<ClockConfig> config = ReadConfigFromWidgets();
    if (m_editedGroupIndex == -1) {
        if (DevClock *clock = registry->clockAt(m_editedClockIndex))
            clock->setConfig(*config);
    } else if (DevGroup *group = registry->groupAt(m_editedGroupIndex)) {
        group->setConfig(*config);
    }
    m_editedGroupIndex = -1;
    m_editedClockIndex = -1;
}

void PageConfiguration::FillSendTab(int /*groupIndex*/, int /*clockIndex*/)
{
}

void PageConfiguration::selectFirstTab()
{
    ui->twdConfiguration->setCurrentIndex(0);
}

void PageConfiguration::on_btnConfigBack_clicked()
{
    StoreEditedConfiguration();
    emit SigLeaveEditor();
}
