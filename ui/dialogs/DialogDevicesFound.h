#pragma once

#include "model/ClockIntake.h"
#include "ui/frame/FramelessDialog.h"

#include <QStringList>
#include <QVector>

class DevClock;
class DialogHost;
class QCheckBox;
class QTableWidgetItem;

namespace Ui {
class DialogDevicesFound;
}

// The clocks a search found, each with a check box, for the user to pick the
// ones to add. Clocks whose address is already listed are flagged, and adding
// one of them is asked about first; a listed clock found at a new address
// says where it moved from. The clocks stay the caller's.
class DialogDevicesFound : public FramelessDialog
{
    Q_OBJECT

public:
    enum Column { CheckColumn, NameColumn, IpColumn, InterfaceColumn, StatusColumn, ColumnCount };

    // Asks its question through dialogs.
    explicit DialogDevicesFound(DialogHost &dialogs, QWidget *parent = nullptr);
    ~DialogDevicesFound() override;

    // duplicate holds one flag per clock: a clock with the same address is
    // listed; movedFrom, where it is not empty, the address a listed clock
    // with the same MAC had.
    void setClocks(const QVector<DevClock *> &clocks, const QVector<bool> &duplicate,
                   const QStringList &movedFrom = QStringList());
    // The clocks with what the list makes of each (ClockIntake::preview)
    // and whether a clock is listed at its address. A refusal at a listed
    // clock and a move nothing proved start unticked: ticking a move confirms it.
    void setFindings(const QVector<DevClock *> &clocks, const QVector<ClockIntake::Result> &findings,
                     const QList<bool> &listedAtAddress);

    // True when the user pressed "Add" (and confirmed any duplicate).
    bool isAccepted() const { return m_result > 0; }
    // One flag per clock, in the order given, however the table is sorted.
    QVector<bool> selected() const { return m_selected; }

protected:
    // Wide enough for every column whole, as far as the screen allows.
    void showEvent(QShowEvent *event) override;

private:
    // "Add": asks first when a chosen clock's address is listed already.
    void acceptChoice();
    void cancel();
    void onItemChanged(QTableWidgetItem *item);
    void onHeaderToggled(bool checked);
    void updateHeaderCheck();

    Ui::DialogDevicesFound *ui;
    DialogHost &m_dialogs;
    QCheckBox *m_headerCheck;
    QVector<DevClock *> m_clocks;
    QVector<bool> m_selected;
    QVector<bool> m_duplicate;
    int m_result = 0;
};
