#pragma once

#include "FramelessDialog.h"
#include "NetworkCardChoices.h"

class DialogHost;

namespace Ui {
class DialogNewClock;
}

// Adds one clock by its address: the address, the local interface to reach
// it through ("Default" lets the system choose) and its credentials. Stays
// open until the address is a complete one.
class DialogNewClock : public FramelessDialog
{
    Q_OBJECT

public:
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

    // Builds the list from the given cards instead of the interfaces present
    // (tests); current is kept as " - Not available" when it is not among them.
    void setNetworkCards(const QList<NetworkCardData> &cards, const NetworkCardData &current);

private:
    // Accepts a complete address only.
    void acceptAddress();
    // The interfaces present now; the chosen one stays chosen.
    void refreshInterfaces();
    void showChoices();

    Ui::DialogNewClock *ui;
    DialogHost &m_dialogs;
    NetworkCardChoices m_choices;
    QString m_ip;
};
