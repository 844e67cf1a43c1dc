#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

// A netns test's handle on the running zentick-clocksim: commands over its
// control socket and the request log, both found through the variables that
// tests/netns/netns-run.sh sets. Calls block for at most kTimeoutMs.
//
//   ClockSimControl sim;                       // in init(): sim.reset(); sim.clearLog();
//   sim.setFaults(1, {{"status", 500}});       // clock 1 of the clock file answers 500
//   ... run the operation against 192.168.0.x from ClockSimControl::pcAddress() ...
//   const QVector<QJsonObject> sent = sim.httpRequests();
//   QCOMPARE(ClockSimControl::requestBytes(sent.last()), expectedRequest);
//   QCOMPARE(sim.clock(1).value("name").toString(), QStringLiteral("Hall"));
//
// Log entries: time, kind ("http" or "discovery"), clock (index in the file),
// local (address the request reached), peer, method, path, head (Latin-1),
// body (Base64), auth ("ok", "wrong", "missing", "malformed"), status (0 when
// none was sent), delivery ("normal", "trickle", "silent", "drop", "endless",
// "close"); discovery entries carry answered (clock indexes). When an HTTP
// connection ends, an entry of kind "connection" gives its local address,
// peer, and the times it was opened and closed.
class ClockSimControl
{
public:
    static constexpr int kTimeoutMs = 5000;

    ClockSimControl(); // from ZENTICK_CLOCKSIM_CONTROL and ZENTICK_CLOCKSIM_LOG

    bool isAvailable() const { return !m_controlPath.isEmpty(); }
    QString lastError() const { return m_lastError; }

    // One command line ("state", "reset", ...); the answer, or {"ok":false,"error":...}.
    QJsonObject command(const QByteArray& line);
    bool reset();
    bool clearLog();
    bool setFaults(int clock, const QJsonObject& faults);   // replaces all faults of the clock
    bool setStatus(int clock, const QJsonObject& status);   // changes only the values named
    bool setFixedTime(const QDateTime& time); // invalid: real time
    bool moveClock(int clock, const QString& address); // a new DHCP lease
    QJsonArray clocks();                      // the state dump, one object per clock
    QJsonObject clock(int index);

    // Every entry of the request log, in order; kind "http", "discovery" or "connection".
    QVector<QJsonObject> requestLog() const;
    QVector<QJsonObject> httpRequests() const;
    QVector<QJsonObject> connections() const;
    // The exact bytes of a logged HTTP request: head, then body.
    static QByteArray requestBytes(const QJsonObject& entry);

    static QString pcAddress(); // 192.168.0.2

private:
    bool succeeds(const QByteArray& line); // the answer said "ok"
    QVector<QJsonObject> entriesOfKind(const QString& kind) const;

    QString m_controlPath;
    QString m_logPath;
    QString m_lastError;
};
