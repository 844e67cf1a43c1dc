#pragma once

#include "model/ClockIntake.h"
#include "operations/DataSender.h"
#include "values/NetworkCardData.h"
#include "operations/SenderTarget.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

class DevClock;
class Worker;

// Every clock leaves the factory at 192.168.0.11. The resolver finds the clocks
// answering discovery there, gives them new addresses one at a time (pausing
// between two so the changed clock has left .11 before the next is addressed),
// then new MAC addresses, both counting up from the first values given. When
// the addresses run out past .254 the clocks not yet addressed keep theirs.
class ConflictResolver : public DataSender
{
    Q_OBJECT

public:
    static constexpr int DefaultPauseMs = 10000;

    ConflictResolver(const QString &user, const QString &password, const QString &firstIp, const QString &firstMac,
                     QObject *parent = nullptr);
    ~ConflictResolver() override;

    int foundCount() const { return m_found.size(); }
    int changedCount() const { return int(m_accepted.count(true)); }
    // Clocks found but never addressed because no address was left for them.
    int unaddressedCount() const { return m_unaddressed; }
    int phase() const { return m_phase; }
    // What became of every clock found, in the order found: where it was,
    // the address and MAC it was given and whether it took them.
    QVector<ClockIntake::Readdressed> readdressed() const;

    // The pause between two address changes.
    void setPauseMs(int ms) { m_pause.setInterval(ms); }

    // The address after ip: last number plus one, or empty past 254 (and for
    // anything that is not four dotted numbers).
    static QString nextAddress(const QString &ip);
    // mac read as a 48-bit number plus offset, as "HH-HH-HH-HH-HH-HH"; empty
    // when mac is not six hexadecimal pairs.
    static QString macPlus(const QString &mac, int offset);

protected:
    void run() override;

private slots:
    void onWorkerFinished(Worker *worker, int index);
    void onPauseEnded();

private:
    void searchInterface();
    void handleInterfaceReplies(Worker *worker);
    void startAddressChanges();
    SenderTarget targetOf(int index) const;
    void sendAddress(int index);
    void handleAddressResult(Worker *worker, int index);
    void endAddressChanges();
    void startMacChanges();
    void handleMacResult(Worker *worker, int index);

    QString m_user;
    QString m_password;
    QString m_nextIp;
    QString m_nextMac;
    int m_phase = 0;
    int m_done = 0;
    int m_expected = 0;
    int m_unaddressed = 0;
    QList<DevClock *> m_found;
    QVector<bool> m_accepted;
    // Per clock found: its MAC before, and whether it took its new address.
    QStringList m_oldMacs;
    QStringList m_givenMacs;
    QVector<bool> m_addressTaken;
    QVector<bool> m_addressAsked;
    QList<NetworkCardData> m_interfaces;
    int m_interfaceIndex = -1;
    QTimer m_pause;
};
