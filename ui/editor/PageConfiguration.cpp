#include "PageConfiguration.h"

#include "AppSettings.h"
#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "Communication.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "DialogHost.h"
#include "DialogQuestion.h"
#include "GetConfigurationSender.h"
#include "MenuPopup.h"
#include "OperationRunner.h"
#include "ParameterText.h"
#include "ResultSlots.h"
#include "SenderTarget.h"
#include "SetConfigurationSender.h"
#include "ThemeManager.h"
#include "ui_PageConfiguration.h"

using ConfigurationFileActions::Action;

namespace {
const QString iconRoot = QStringLiteral(":/icons/resources/icons/");
}

PageConfiguration::PageConfiguration(const PageServices &services, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageConfiguration)
    , m_services(services)
{
    ui->setupUi(this);
    ui->btnConfigBack->setIcon(QIcon(iconRoot + QStringLiteral("back.png")));
    ui->btnConfigFile->setIcon(QIcon(iconRoot + QStringLiteral("folder.png")));
    ui->btnConfigDownload->setIcon(QIcon(iconRoot + QStringLiteral("download.png")));
    connect(ui->tabAlarms, &TabAlarms::loadingChanged, this,
            [this](bool loading) { setButtonsEnabled(!loading); });
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
    fillAll(*source);
    FillSendTab(groupIndex, clockIndex);
    m_editedClockIndex = clockIndex;
    m_editedGroupIndex = groupIndex;
    return true;
}

void PageConfiguration::fillAll(const ClockConfigFields &config)
{
    FillTimeTab(config);
    FillDisplayTab(config);
    LoadAlarms(config);
    ui->tabDisplay->applyShowFormatRule();
}

void PageConfiguration::FillTimeTab(const ClockConfigFields &config)
{
    ui->tabTime->fillFrom(config);
}

void PageConfiguration::FillDisplayTab(const ClockConfigFields &config)
{
    ui->tabDisplay->fillFrom(config);
}

void PageConfiguration::LoadAlarms(const ClockConfigFields &config)
{
    ui->tabAlarms->LoadAlarms(config.alarms);
}

bool PageConfiguration::isLoadingAlarms() const
{
    return ui->tabAlarms->isLoading();
}

void PageConfiguration::setButtonsEnabled(bool enabled)
{
    for (QWidget *button : {static_cast<QWidget *>(ui->btnConfigBack), static_cast<QWidget *>(ui->btnConfigFile),
                            static_cast<QWidget *>(ui->btnConfigDownload)})
        button->setEnabled(enabled);
    ui->tabSend->setSendEnabled(enabled);
}

std::unique_ptr<ClockConfig> PageConfiguration::ReadConfigFromWidgets() const
{
    auto config = std::make_unique<ClockConfig>();
    ui->tabTime->readInto(*config);
    ui->tabDisplay->readInto(*config);
    config->alarms = ui->tabAlarms->alarms();
    config->loaded = true;
    return config;
}

void PageConfiguration::StoreEditedConfiguration()
{
    ClockRegistry *registry = ClockRegistry::instance();
    if (isEditing()) {
        const std::unique_ptr<ClockConfig> config = ReadConfigFromWidgets();
        if (m_editedGroupIndex == -1) {
            if (DevClock *clock = registry->clockAt(m_editedClockIndex))
                clock->setConfig(*config);
        } else if (DevGroup *group = registry->groupAt(m_editedGroupIndex)) {
            group->setConfig(*config);
        }
    }
    m_editedGroupIndex = -1;
    m_editedClockIndex = -1;
}

void PageConfiguration::FillSendTab(int groupIndex, int clockIndex)
{
    const bool isGroup = ui->tabSend->fill(groupIndex, clockIndex);
    ui->btnConfigDownload->setVisible(!isGroup);
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

void PageConfiguration::on_btnConfigFile_clicked()
{
    MenuPopup menu(this);
    ui->actionConfigurationOpen->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("folder.png")));
    ui->actionConfigurationSaveAs->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("save.png")));
    menu.addAction(ui->actionConfigurationOpen);
    menu.addAction(ui->actionConfigurationSaveAs);
    menu.execAt(ui->btnConfigFile->mapToGlobal(QPoint(0, ui->btnConfigFile->height())));
}

void PageConfiguration::on_btnConfigDownload_clicked()
{
    const DevClock *clock = ClockRegistry::instance()->clockAt(m_editedClockIndex);
    if (!clock)
        return;
    if (m_services.dialogs->ask(m_services.window, tr("Do you want to download clock configuration?"),
                                QuestionIcon::Question, tr("Download"), tr("Cancel"))
        != QuestionResult::Positive)
        return;
    ResultSlots *results = m_services.results;
    m_services.runner->run(Communication::instance()->getConfiguration(SenderTarget::fromClock(*clock)),
                           tr("Downloading configuration"),
                           [results](DataSender *sender) { results->onGetConfigurationFinished(sender); }, this);
}

bool PageConfiguration::confirmSendToGroupMember()
{
    if (m_editedGroupIndex != -1)
        return true;
    ClockRegistry *registry = ClockRegistry::instance();
    const DevClock *clock = registry->clockAt(m_editedClockIndex);
    const DevGroup *group = clock ? registry->groupOfClock(clock) : nullptr;
    if (!group)
        return true;
    return m_services.dialogs->ask(m_services.window,
                                   tr("Clock %1 is in group %2. Send configuration anyway?")
                                       .arg(clock->name, group->name()),
                                   QuestionIcon::Warning, tr("Send"), tr("Cancel"))
           == QuestionResult::Positive;
}

QList<SenderTarget> PageConfiguration::sendTargets() const
{
    ClockRegistry *registry = ClockRegistry::instance();
    QList<SenderTarget> targets;
    if (m_editedGroupIndex == -1) {
        if (const DevClock *clock = registry->clockAt(m_editedClockIndex))
            targets << SenderTarget::fromClock(*clock);
    } else if (const DevGroup *group = registry->groupAt(m_editedGroupIndex)) {
        for (int member : group->clockIndexes()) {
            if (const DevClock *clock = registry->clockAt(member))
                targets << SenderTarget::fromClock(*clock);
        }
    }
    return targets;
}

void PageConfiguration::on_btnSendConfiguration_clicked()
{
    if (!isEditing() || !confirmSendToGroupMember())
        return;
    const std::unique_ptr<ClockConfig> config = ReadConfigFromWidgets();
    // Typed text cannot hold these characters; a file or a clock's own
    // reply can. Say which field rather than send a broken request.
    const QString unsafe = ParameterText::firstUnsafeField(*config);
    if (!unsafe.isEmpty()) {
        m_services.dialogs->message(m_services.window, ParameterText::refusalText(unsafe), QuestionIcon::Critical);
        return;
    }
    ResultSlots *results = m_services.results;
    m_services.runner->run(Communication::instance()->setConfiguration(*config, sendTargets()),
                           tr("Sending configuration"),
                           [results](DataSender *sender) { results->onConfigSendFinished(sender); }, this);
}

ConfigurationFileActions::Result PageConfiguration::runFileAction(Action action)
{
    const ConfigurationFileActions::Texts texts = ConfigurationFileActions::texts(action);
    const DialogHost::FileRequest request{m_services.window, texts.title, lastPath(), texts.filter};
    const QString path =
        texts.saveDialog ? m_services.dialogs->saveFileName(request) : m_services.dialogs->openFileName(request);
    if (path.isEmpty())
        return {};
    // Save and export write what the widgets show; open and import ignore it.
    const std::unique_ptr<ClockConfig> current =
        texts.saveDialog ? ReadConfigFromWidgets() : std::make_unique<ClockConfig>();
    ConfigurationFileActions::Result result = ConfigurationFileActions::run(action, path, *current);
    m_services.dialogs->message(m_services.window, result.message,
                                result.ok ? QuestionIcon::Info : QuestionIcon::Critical);
    return result;
}

void PageConfiguration::on_actionConfigurationOpen_triggered()
{
    const ConfigurationFileActions::Result result = runFileAction(Action::Open);
    if (result.ok && result.config)
        fillAll(*result.config);
}

void PageConfiguration::on_actionConfigurationSaveAs_triggered()
{
    runFileAction(Action::SaveAs);
}

void PageConfiguration::on_btnImportConfiguration_clicked()
{
    const ConfigurationFileActions::Result result = runFileAction(Action::ImportDisplay);
    if (result.ok && result.config)
        FillDisplayTab(*result.config);
}

void PageConfiguration::on_btnImportAlarms_clicked()
{
    const ConfigurationFileActions::Result result = runFileAction(Action::ImportAlarms);
    if (result.ok && result.config)
        LoadAlarms(*result.config);
}

void PageConfiguration::on_btnExportConfiguration_clicked()
{
    runFileAction(Action::ExportDisplay);
}

void PageConfiguration::on_btnExportAlarms_clicked()
{
    runFileAction(Action::ExportAlarms);
}
