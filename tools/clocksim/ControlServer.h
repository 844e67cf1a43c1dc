#pragma once

#include "tools/clocksim/Simulator.h"

#include <QByteArray>
#include <QJsonObject>
#include <QLocalServer>
#include <QObject>

// The test's handle on a running simulator: a local socket that takes one
// command per line and answers each with one JSON line.
//   ping                   {"ok":true}
//   state                  {"ok":true,"clocks":[...],"now":...,"fixedTime":...}
//   reset                  clocks back to the file's values, faults included
//   clear-log              empties the request log
//   faults N {json}        replaces clock N's faults
//   status N {json}        changes the named status values of clock N
//   time ISO | time real   freezes the clocks' time (and drift), or frees it
class ControlServer : public QObject
{
    Q_OBJECT

public:
    ControlServer(Simulator* simulator, QObject* parent = nullptr);

    bool listen(const QString& path, QString* error);
    QJsonObject execute(const QByteArray& line);

private:
    void onNewConnection();

    Simulator* m_simulator;
    QLocalServer m_server;
};
