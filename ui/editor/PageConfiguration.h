#pragma once

#include "PageServices.h"

#include <QWidget>

#include <memory>

class ClockConfig;

namespace Ui {
class PageConfiguration;
}

// The configuration editor (page 1 of swdMain): one clock's or one group's
// configuration in four tabs. A stored configuration changes only when the
// editor is left or the program closes.
class PageConfiguration : public QWidget
{
    Q_OBJECT

public:
    explicit PageConfiguration(const PageServices &services, QWidget *parent = nullptr);
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
    void FillSendTab(int groupIndex, int clockIndex);
    void selectFirstTab();

    int editedGroupIndex() const { return m_editedGroupIndex; }
    int editedClockIndex() const { return m_editedClockIndex; }
    bool isEditing() const { return m_editedGroupIndex != -1 || m_editedClockIndex != -1; }

signals:
    // The user left the editor; the configuration is already stored.
    void SigLeaveEditor();

private slots:
    void on_btnConfigBack_clicked();

private:
    Ui::PageConfiguration *ui;
    PageServices m_services;
    // Stands for the widgets' content until the tabs are built.
    std::unique_ptr<ClockConfig> m_shown;
    int m_editedGroupIndex = -1;
    int m_editedClockIndex = -1;
};
