#pragma once

#include <QWidget>

namespace Ui {
class TabSend;
}

// The editor's "Send" tab: the clock, or the group and its member clocks,
// that the configuration goes to.
class TabSend : public QWidget
{
    Q_OBJECT

public:
    explicit TabSend(QWidget *parent = nullptr);
    ~TabSend() override;

    // A group (groupIndex >= 0) with its members, else the clock; true for a group.
    bool fill(int groupIndex, int clockIndex);
    void setSendEnabled(bool enabled);

private:
    Ui::TabSend *ui;
};
