#include "ui/editor/PageConfiguration.h"
#include "persistence/ClockEvent.h"
#include "session/MonitoringSession.h"
#include "values/Error.h"

#include "core/AppSettings.h"
#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "ui/services/ConfigurationDownload.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "ui/dialogs/DialogHost.h"
#include "operations/GetConfigurationSender.h"
#include "ui/widgets/MenuPopup.h"
#include "ui/services/OperationRunner.h"
#include "ui/services/PageServices.h"
#include "model/ParameterText.h"
#include "operations/SenderTarget.h"
#include "ui/services/ChangeClocksAction.h"
#include "operations/SetConfigurationSender.h"
#include "desktop/ThemeManager.h"
#include "ui_PageConfiguration.h"

#include <QStringList>

using ConfigurationFileActions::Action;

namespace {
const QString iconRoot = QStringLiteral(":/icons/resources/icons/");
}

PageConfiguration::PageConfiguration(PageServices &services, QWidget *parent)
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

    connect(ui->btnConfigBack, &QAbstractButton::clicked, this, &PageConfiguration::leaveEditor);
    connect(ui->btnConfigFile, &QAbstractButton::clicked, this, &PageConfiguration::showFileMenu);
    connect(ui->btnConfigDownload, &QAbstractButton::clicked, this, &PageConfiguration::downloadConfiguration);
    connect(ui->actionConfigurationOpen, &QAction::triggered, this, &PageConfiguration::openFile);
    connect(ui->actionConfigurationSaveAs, &QAction::triggered, this, [this] { runFileAction(Action::SaveAs); });
    connect(ui->tabDisplay, &TabDisplay::importRequested, this, &PageConfiguration::importDisplay);
    connect(ui->tabDisplay, &TabDisplay::exportRequested, this, [this] { runFileAction(Action::ExportDisplay); });
    connect(ui->tabAlarms, &TabAlarms::importRequested, this, &PageConfiguration::importAlarms);
    connect(ui->tabAlarms, &TabAlarms::exportRequested, this, [this] { runFileAction(Action::ExportAlarms); });
    connect(ui->tabSend, &TabSend::sendRequested, this, &PageConfiguration::sendConfiguration);
    connect(&m_services, &PageServices::themeChanged, this, &PageConfiguration::onThemeChanged);
}

PageConfiguration::~PageConfiguration()
{
    delete ui;
}

bool PageConfiguration::OpenConfigEditor(int groupIndex, int clockIndex)
{
    ClockRegistry *registry = &m_services.registry();
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
            m_services.dialogs().message(
                m_services.window(),
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
    ClockRegistry *registry = &m_services.registry();
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
    const bool isGroup = ui->tabSend->fill(m_services.registry(), groupIndex, clockIndex);
    ui->btnConfigDownload->setVisible(!isGroup);
}

void PageConfiguration::selectFirstTab()
{
    ui->twdConfiguration->setCurrentIndex(0);
}

void PageConfiguration::onThemeChanged()
{
    // The send tab's icons are tinted as it is filled.
    if (isEditing())
        FillSendTab(m_editedGroupIndex, m_editedClockIndex);
}

void PageConfiguration::leaveEditor()
{
    StoreEditedConfiguration();
    emit SigLeaveEditor();
}

void PageConfiguration::showFileMenu()
{
    MenuPopup menu(this);
    ui->actionConfigurationOpen->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("folder.png")));
    ui->actionConfigurationSaveAs->setIcon(ThemeManager::themedIcon(iconRoot + QStringLiteral("save.png")));
    menu.addAction(ui->actionConfigurationOpen);
    menu.addAction(ui->actionConfigurationSaveAs);
    menu.execAt(ui->btnConfigFile->mapToGlobal(QPoint(0, ui->btnConfigFile->height())));
}

void PageConfiguration::downloadConfiguration()
{
    const DevClock *clock = m_services.registry().clockAt(m_editedClockIndex);
    if (!clock)
        return;
    if (m_services.dialogs().ask(m_services.window(), tr("Do you want to download clock configuration?"),
                                 QuestionIcon::Question, tr("Download"), tr("Cancel"))
        != QuestionResult::Positive)
        return;
    m_services.runner().run(m_services.communication().getConfiguration(SenderTarget::fromClock(*clock)),
                            tr("Downloading configuration"),
                            [this](DataSender *sender) { onDownloadFinished(sender); }, this);
}

void PageConfiguration::onDownloadFinished(DataSender *sender)
{
    if (ConfigurationDownload::store(m_services, sender) && m_editedClockIndex != -1)
        OpenConfigEditor(m_editedGroupIndex, m_editedClockIndex);
}

bool PageConfiguration::confirmSendToGroupMember()
{
    if (m_editedGroupIndex != -1)
        return true;
    ClockRegistry *registry = &m_services.registry();
    const DevClock *clock = registry->clockAt(m_editedClockIndex);
    const DevGroup *group = clock ? registry->groupOfClock(clock) : nullptr;
    if (!group)
        return true;
    return m_services.dialogs().ask(m_services.window(),
                                   tr("Clock %1 is in group %2. Send configuration anyway?")
                                       .arg(clock->name, group->name()),
                                   QuestionIcon::Warning, tr("Send"), tr("Cancel"))
           == QuestionResult::Positive;
}

QList<DevClock *> PageConfiguration::groupMembers() const
{
    const ClockRegistry &registry = m_services.registry();
    QList<DevClock *> clocks;
    if (const DevGroup *group = registry.groupAt(m_editedGroupIndex)) {
        for (int member : group->clockIndexes()) {
            if (DevClock *clock = registry.clockAt(member))
                clocks.append(clock);
        }
    }
    return clocks;
}

QList<SenderTarget> PageConfiguration::sendTargets() const
{
    ClockRegistry *registry = &m_services.registry();
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

void PageConfiguration::sendConfiguration()
{
    if (!isEditing() || !confirmSendToGroupMember())
        return;
    const std::unique_ptr<ClockConfig> config = ReadConfigFromWidgets();
    // Typed text cannot hold these characters; a file or a clock's own
    // reply can. Say which field rather than send a broken request.
    const QString unsafe = ParameterText::firstUnsafeField(*config);
    if (!unsafe.isEmpty()) {
        m_services.dialogs().message(m_services.window(), ParameterText::refusalText(unsafe), QuestionIcon::Critical);
        return;
    }
    // Filled from a configuration that was never read whole, the tabs hold
    // defaults no clock should be given.
    if (config->incompletePart() != ConfigPart::None) {
        m_services.dialogs().message(m_services.window(), ConfigParts::notWholeText(config->incompletePart()),
                                     QuestionIcon::Critical);
        return;
    }
    // A group's members may differ from each other: the user sees what the
    // send changes on each before it is sent.
    if (m_editedGroupIndex != -1 && !ChangeClocksAction::confirmSend(m_services, groupMembers(), *config))
        return;
    m_services.runner().run(m_services.communication().setConfiguration(*config, sendTargets()),
                            tr("Sending configuration"), [this](DataSender *sender) { onSendFinished(sender); },
                            this);
}

void PageConfiguration::onSendFinished(DataSender *sender)
{
    DialogHost &dialogs = m_services.dialogs();
    auto *upload = qobject_cast<SetConfigurationSender *>(sender);
    // Every clock's outcome goes into the history, the refused ones too.
    for (int i = 0; upload && i < upload->targets().size(); ++i) {
        OperatorChange change;
        change.operation = QStringLiteral("config");
        change.done = sender->result() == DataSender::Succeeded && upload->succeeded().value(i);
        if (!change.done) {
            change.reason = !upload->refusedField().isEmpty() ? ParameterText::refusalText(upload->refusedField())
                            : !upload->reasons().value(i).isEmpty()
                                ? upload->reasons().value(i)
                                : ErrorText::operationFailed(sender->errorCode() == NoError ? ConnectionError
                                                                                            : sender->errorCode(),
                                                             sender->errorReason());
        }
        m_services.session().recordChange(upload->targets().at(i).device.address.toString(), change);
    }
    if (upload && !upload->refusedField().isEmpty()) {
        dialogs.message(m_services.window(), ParameterText::refusalText(upload->refusedField()),
                        QuestionIcon::Critical);
        return;
    }
    if (m_services.runner().reportFailure(sender))
        return;
    // A clock that failed one part was left out of the rest: the upload as a
    // whole succeeded, but that clock does not have the configuration.
    QStringList missed;
    const QVector<bool> succeeded = upload ? upload->succeeded() : QVector<bool>();
    for (int i = 0; i < succeeded.size(); ++i) {
        if (succeeded.at(i))
            continue;
        const SenderTarget target = upload->targets().value(i);
        const DevClock *clock = m_services.registry().clockById(target.clockId);
        missed << (clock ? clock->name : target.device.address.toString());
    }
    if (!missed.isEmpty()) {
        dialogs.message(m_services.window(),
                        tr("The configuration was sent to %1 of %2 clocks. Not sent to: %3")
                            .arg(succeeded.size() - missed.size())
                            .arg(succeeded.size())
                            .arg(missed.join(QStringLiteral(", "))),
                        QuestionIcon::Warning);
        return;
    }
    dialogs.message(m_services.window(), tr("Configuration was sent successfully."), QuestionIcon::Info);
}

ConfigurationFileActions::Result PageConfiguration::runFileAction(Action action)
{
    const ConfigurationFileActions::Texts texts = ConfigurationFileActions::texts(action);
    const DialogHost::FileRequest request{m_services.window(), texts.title, lastPath(), texts.filter};
    const QString path =
        texts.saveDialog ? m_services.dialogs().saveFileName(request) : m_services.dialogs().openFileName(request);
    if (path.isEmpty())
        return {};
    // Save and export write what the widgets show; open and import ignore it.
    const std::unique_ptr<ClockConfig> current =
        texts.saveDialog ? ReadConfigFromWidgets() : std::make_unique<ClockConfig>();
    ConfigurationFileActions::Result result = ConfigurationFileActions::run(action, path, *current);
    m_services.dialogs().message(m_services.window(), result.message,
                                result.ok ? QuestionIcon::Info : QuestionIcon::Critical);
    return result;
}

void PageConfiguration::openFile()
{
    const ConfigurationFileActions::Result result = runFileAction(Action::Open);
    if (result.ok && result.config)
        fillAll(*result.config);
}

void PageConfiguration::importDisplay()
{
    const ConfigurationFileActions::Result result = runFileAction(Action::ImportDisplay);
    if (result.ok && result.config)
        FillDisplayTab(*result.config);
}

void PageConfiguration::importAlarms()
{
    const ConfigurationFileActions::Result result = runFileAction(Action::ImportAlarms);
    if (result.ok && result.config)
        LoadAlarms(*result.config);
}
