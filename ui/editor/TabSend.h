#pragma once

#include <QWidget>

class ClockRegistry;

namespace Ui {
class TabSend;
}

// The editor's "Send" tab: the clock, or the group and its member clocks,
// that the configuration goes to, and the button that sends it (the editor
// does the sending).
class TabSend : public QWidget
{
    Q_OBJECT

public:
    explicit TabSend(QWidget *parent = nullptr);
    ~TabSend() override;

    // A group (groupIndex >= 0) with its members, else the clock; true for a group.
    bool fill(const ClockRegistry &registry, int groupIndex, int clockIndex);
    void setSendEnabled(bool enabled);

signals:
    // "Send" was pressed.
    void sendRequested();

private:
    Ui::TabSend *ui;
};
