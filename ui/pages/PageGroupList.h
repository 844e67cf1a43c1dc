#pragma once

#include "ui/pages/NavigationPage.h"

#include <QStringList>

class DialogCombobox;
class PageServices;

namespace Ui {
class PageGroupList;
}

// Groups of clocks (page 1 of swdDevices): the group tree and the
// membership table, side by side in splitterGroups. The page keeps no
// state of its own: the tree is rebuilt from the registry, the table is a
// view of the clock list's model. Editing a group's
// configuration is asked of the window through editRequested.
class PageGroupList : public NavigationPage
{
    Q_OBJECT

public:
    explicit PageGroupList(PageServices &services, QWidget *parent = nullptr);
    ~PageGroupList() override;

    void BuildGroupTree();
    // Opens the editor on the group, offering a member clock's configuration
    // when the group has none yet.
    void EditGroupConfiguration(int groupIndex);
    void enter() override;
    // The question which member clock's configuration a group without one
    // takes (the render tool draws it too).
    static void setUpMemberChoice(DialogCombobox &dialog, const QStringList &clockNames);

private:
    void addGroup();
    void onGroupButtonClicked(int groupIndex, int button);
    void onClockButtonClicked(int groupIndex, int clockIndex, int button);
    void onMembershipChanged(int clockIndex, int value);
    void onThemeChanged();
    void rebuild();
    // Asks how long and starts the group's quiet period, or ends it.
    void toggleQuietPeriod(int groupIndex);
    void deleteGroup(int groupIndex);
    void renameGroup(int groupIndex);
    // Audits the group's clocks behind the progress dialog, then shows the findings.
    void checkClocks(int groupIndex);
    // "Change clocks..." or "Change passwords..." for the group's clocks.
    void changeClocks(int groupIndex, bool passwords);
    void copyClockConfigurationAndEdit(int groupIndex, int clockIndex);
    // The chosen member clock's index; -1 when the user cancelled.
    int chooseMemberClock(int groupIndex);

    Ui::PageGroupList *ui;
    PageServices &m_services;
};
