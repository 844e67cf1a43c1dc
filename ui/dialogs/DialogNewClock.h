#pragma once

#include "operations/CommissionedAddress.h"
#include "ui/frame/FramelessDialog.h"
#include "transport/NetworkCardChoices.h"

class DialogHost;
class QLineEdit;

namespace Ui {
class DialogNewClock;
}

// Adds one clock by its address: the address, the local interface to reach
// it through ("Default" lets the system choose) and its credentials. Stays
// open until the address is a complete one.
//
// The second way in, for clocks behind routers, which no search reaches: an
// address range or an address plan (a CSV file), each address to be asked
// whether a clock is there, with the credentials for clocks the plan gives
// none. A range or plan with a fault is refused with the parser's message
// and the dialog stays open; a range of more than AddressRange::ConfirmAbove
// addresses is asked about first.
class DialogNewClock : public FramelessDialog
{
    Q_OBJECT

public:
    enum class Way { OneAddress, Range, Plan };
    // Asks its questions through dialogs.
    explicit DialogNewClock(DialogHost &dialogs, QWidget *parent = nullptr);
    ~DialogNewClock() override;

    // The address as it will be stored: four decimal numbers without
    // leading zeros. Empty until accepted.
    QString ip() const { return m_ip; }
    QString user() const;
    QString password() const;
    // The null record for "Default".
    NetworkCardData networkInterface() const;

    Way way() const;
    // The addresses to ask, once accepted by range or plan; empty otherwise.
    QVector<CommissioningTarget> targets() const { return m_targets; }
    // Accepted by plan with "Give the clocks the plan's names" ticked.
    bool renameFromPlan() const { return m_renameFromPlan; }

    // Builds the list from the given cards instead of the interfaces present
    // (tests); current is kept as " - Not available" when it is not among them.
    void setNetworkCards(const QList<NetworkCardData> &cards, const NetworkCardData &current);

private:
    void acceptInput();
    // Accepts a complete address only.
    void acceptAddress();
    void acceptRange();
    void acceptPlan();
    void choosePlan();
    // Shows the fields of the chosen way in.
    void showWay();
    static void fitPlaceholder(QLineEdit *edit);
    // The interfaces present now; the chosen one stays chosen.
    void refreshInterfaces();
    void showChoices();

    Ui::DialogNewClock *ui;
    DialogHost &m_dialogs;
    NetworkCardChoices m_choices;
    QString m_ip;
    QString m_planPath;
    QVector<CommissioningTarget> m_targets;
    bool m_renameFromPlan = false;
};
