#include "tests/netns/ClockSimControl.h"

#include "tests/support/TestFiles.h"

#include <QJsonDocument>
#include <QLocalSocket>

ClockSimControl::ClockSimControl()
    : m_controlPath(qEnvironmentVariable("ZENTICK_CLOCKSIM_CONTROL"))
    , m_logPath(qEnvironmentVariable("ZENTICK_CLOCKSIM_LOG"))
{
}

QJsonObject ClockSimControl::command(const QByteArray& line)
{
    QLocalSocket socket;
    socket.connectToServer(m_controlPath);
    QJsonObject reply;
    if (!socket.waitForConnected(kTimeoutMs)) {
        reply = {{"ok", false}, {"error", QStringLiteral("cannot reach the simulator: ") + socket.errorString()}};
    } else {
        socket.write(line + '\n');
        while (!socket.canReadLine() && socket.waitForReadyRead(kTimeoutMs)) {
        }
        if (socket.canReadLine())
            reply = QJsonDocument::fromJson(socket.readLine()).object();
        else
            reply = {{"ok", false}, {"error", QStringLiteral("no answer from the simulator")}};
    }
    m_lastError = reply.value(QStringLiteral("error")).toString();
    return reply;
}

bool ClockSimControl::succeeds(const QByteArray& line)
{
    return command(line).value(QStringLiteral("ok")).toBool();
}

bool ClockSimControl::reset() { return succeeds("reset"); }
bool ClockSimControl::clearLog() { return succeeds("clear-log"); }

bool ClockSimControl::setFaults(int clock, const QJsonObject& faults)
{
    return succeeds("faults " + QByteArray::number(clock) + ' ' + QJsonDocument(faults).toJson(QJsonDocument::Compact));
}

bool ClockSimControl::setStatus(int clock, const QJsonObject& status)
{
    return succeeds("status " + QByteArray::number(clock) + ' ' + QJsonDocument(status).toJson(QJsonDocument::Compact));
}

bool ClockSimControl::moveClock(int clock, const QString& address)
{
    return succeeds("move " + QByteArray::number(clock) + ' ' + address.toLatin1());
}

bool ClockSimControl::setFixedTime(const QDateTime& time)
{
    return succeeds("time " + (time.isValid() ? time.toString(Qt::ISODate).toLatin1() : QByteArray("real")));
}

QJsonArray ClockSimControl::clocks()
{
    return command("state").value(QStringLiteral("clocks")).toArray();
}

QJsonObject ClockSimControl::clock(int index)
{
    return clocks().at(index).toObject();
}

QVector<QJsonObject> ClockSimControl::requestLog() const
{
    QVector<QJsonObject> entries;
    for (const QByteArray& line : TestFiles::read(m_logPath).split('\n')) {
        if (!line.trimmed().isEmpty())
            entries.append(QJsonDocument::fromJson(line).object());
    }
    return entries;
}

QVector<QJsonObject> ClockSimControl::entriesOfKind(const QString& kind) const
{
    QVector<QJsonObject> entries;
    for (const QJsonObject& entry : requestLog()) {
        if (entry.value(QStringLiteral("kind")).toString() == kind)
            entries.append(entry);
    }
    return entries;
}

QVector<QJsonObject> ClockSimControl::httpRequests() const
{
    return entriesOfKind(QStringLiteral("http"));
}

QVector<QJsonObject> ClockSimControl::connections() const
{
    return entriesOfKind(QStringLiteral("connection"));
}

QByteArray ClockSimControl::requestBytes(const QJsonObject& entry)
{
    return entry.value(QStringLiteral("head")).toString().toLatin1()
           + QByteArray::fromBase64(entry.value(QStringLiteral("body")).toString().toLatin1());
}

QString ClockSimControl::pcAddress()
{
    const QString address = qEnvironmentVariable("ZENTICK_PC_ADDRESS");
    return address.isEmpty() ? QStringLiteral("192.168.0.2") : address;
}
