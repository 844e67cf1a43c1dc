#pragma once

#include "tools/clocksim/Simulator.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QObject>
#include <QString>
#include <QTcpServer>

// One listening socket per clock address. Addresses come and go as clocks
// move or refuse, so the set is brought in line after every change.
class HttpFrontEnd : public QObject
{
    Q_OBJECT

public:
    HttpFrontEnd(Simulator* simulator, quint16 port, QObject* parent = nullptr);

    // Opens and closes listeners to match the simulator; false with the first
    // address that could not be bound.
    bool sync(QString* error);

private:
    bool syncOneListener(const QList<QHostAddress>& addresses, QString* error);
    void onNewConnection(QTcpServer* server);
    void onAddressesChanged();

    Simulator* m_simulator;
    quint16 m_port;
    QHash<QString, QTcpServer*> m_servers;
    // Past many addresses: one listener on all, and the addresses that answer.
    QTcpServer* m_anyAddress = nullptr;
    QSet<quint32> m_listening;
};
