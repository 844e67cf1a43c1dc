#pragma once

#include "persistence/ConfigurationFileActions.h"

#include <QList>
#include <QWidget>

#include <memory>

class ClockConfig;
struct ClockConfigFields;
class DataSender;
class DevClock;
class PageServices;
struct SenderTarget;

namespace Ui {
class PageConfiguration;
}

// The configuration editor (page 1 of swdMain): one clock's or one group's
// configuration in four tabs. The tabs hold the widgets and say when one of
// their buttons asks for something; the editor sends, downloads and handles
// the files, each result beside the slot that starts it. A stored
// configuration changes only when the editor is left or the program closes;
// sending never stores it.
class PageConfiguration : public QWidget
{
    Q_OBJECT

public:
    explicit PageConfiguration(PageServices &services, QWidget *parent = nullptr);
    ~PageConfiguration() override;

    // A clock (groupIndex -1), a group (clockIndex -1) or a member clock's
    // configuration shown for its group (both). False, and the editor
    // unchanged, when there is nothing to show.
    bool OpenConfigEditor(int groupIndex, int clockIndex);
    // A new configuration from the widgets; the caller owns it.
    std::unique_ptr<ClockConfig> ReadConfigFromWidgets() const;
    // Stores the widgets into the edited clock or group (if it still
    // exists); both indices become -1.
    void StoreEditedConfiguration();

    void FillTimeTab(const ClockConfigFields &config);
    void FillDisplayTab(const ClockConfigFields &config);
    // Fills the alarm table step by step; the header and send buttons are
    // disabled until it is done.
    void LoadAlarms(const ClockConfigFields &config);
    void FillSendTab(int groupIndex, int clockIndex);
    void selectFirstTab();

    int editedGroupIndex() const { return m_editedGroupIndex; }
    int editedClockIndex() const { return m_editedClockIndex; }
    bool isEditing() const { return m_editedGroupIndex != -1 || m_editedClockIndex != -1; }
    bool isLoadingAlarms() const;

signals:
    // The user left the editor; the configuration is already stored.
    void SigLeaveEditor();

private:
    void leaveEditor();
    void showFileMenu();
    // Downloads the edited clock's configuration and shows it when it came.
    void downloadConfiguration();
    void onDownloadFinished(DataSender *sender);
    // Sends what the widgets show to the clock, or to every member of the group.
    void sendConfiguration();
    void onSendFinished(DataSender *sender);
    void openFile();
    void importDisplay();
    void importAlarms();
    void onThemeChanged();
    void fillAll(const ClockConfigFields &config);
    void setButtonsEnabled(bool enabled);
    // Asks for the file, runs the action and shows its message.
    ConfigurationFileActions::Result runFileAction(ConfigurationFileActions::Action action);
    QList<SenderTarget> sendTargets() const;
    bool confirmSendToGroupMember();
    QList<DevClock *> groupMembers() const;

    Ui::PageConfiguration *ui;
    PageServices &m_services;
    int m_editedGroupIndex = -1;
    int m_editedClockIndex = -1;
};
