#pragma once

#include "ui/frame/FramelessDialog.h"

#include <QString>

namespace Ui {
class DialogHistory;
}

// What happened to one clock, newest first, in local time: the journal the
// session keeps (see EventJournal). Reading a month of a large site takes a
// moment, so the journal is read on a thread of its own and the table fills
// when it is done.
class DialogHistory : public FramelessDialog
{
    Q_OBJECT

public:
    static constexpr int shownEvents = 500;

    explicit DialogHistory(QWidget *parent = nullptr);
    ~DialogHistory() override;

    // Starts reading the clock's history from the journal in folder.
    void showClock(const QString &name, const QString &ip, const QString &folder);
    bool isReading() const { return m_reading; }

signals:
    void historyShown();

private:
    Ui::DialogHistory *ui;
    bool m_reading = false;
};
