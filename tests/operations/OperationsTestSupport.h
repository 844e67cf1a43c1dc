#pragma once

// Small helpers shared by the operations tests that run against the clock
// simulator in the network namespaces.

#include "tests/support/ClockRequest.h"
#include "tests/netns/ClockSimControl.h"
#include "operations/Communication.h"
#include "operations/DataSender.h"
#include "operations/SenderTarget.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QJsonObject>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtTest>

#include <functional>

// A suite against the simulator: each test starts from the clock file's
// state with an empty request log.
class SimulatorSuite : public QObject
{
    Q_OBJECT

protected:
    ClockSimControl m_sim;
    // The suite's own exchanges, handed to what it tests.
    Communication m_exchanges;

private slots:
    void initTestCase() { QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh"); }
    void init()
    {
        QVERIFY2(m_sim.reset(), qPrintable(m_sim.lastError()));
        QVERIFY2(m_sim.clearLog(), qPrintable(m_sim.lastError()));
    }
};

namespace OperationsTestSupport {

inline SenderTarget target(const QString &ip, const QString &user = QStringLiteral("admin"),
                           const QString &password = QStringLiteral("pw"), quint64 clockId = 0)
{
    SenderTarget t;
    t.device.address = QHostAddress(ip);
    t.user = user;
    t.password = password;
    t.clockId = clockId;
    return t;
}

inline QStringList loggedPaths(const ClockSimControl &sim)
{
    QStringList paths;
    for (const QJsonObject &entry : sim.httpRequests())
        paths << entry.value(QStringLiteral("path")).toString();
    return paths;
}

// One accepted connection as the simulator logged it.
struct Connection
{
    QString local;
    QDateTime opened;
    QDateTime closed;
};

inline QVector<Connection> connections(const ClockSimControl &sim)
{
    QVector<Connection> list;
    for (const QJsonObject &entry : sim.connections()) {
        list.append({entry.value("local").toString(),
                     QDateTime::fromString(entry.value("opened").toString(), Qt::ISODateWithMs),
                     QDateTime::fromString(entry.value("closed").toString(), Qt::ISODateWithMs)});
    }
    return list;
}

inline bool overlap(const Connection &a, const Connection &b)
{
    return a.opened < b.closed && b.opened < a.closed;
}

// "path@address" for every logged request, in order.
inline QStringList loggedRequests(const ClockSimControl &sim)
{
    QStringList requests;
    for (const QJsonObject &entry : sim.httpRequests())
        requests << entry.value(QStringLiteral("path")).toString() + '@' + entry.value(QStringLiteral("local")).toString();
    return requests;
}

// Watches a sender's three endings; ended() waits for one of them. The pool
// deletes a sender soon after its final signal, so whatever a test wants to
// read from it is taken in the signal, by capture, while it is still alive.
class EndSpy
{
public:
    explicit EndSpy(DataSender *sender, std::function<void(DataSender *)> capture = {})
        : finished(sender, &DataSender::finished)
        , error(sender, &DataSender::error)
        , canceled(sender, &DataSender::canceled)
        , progress(sender, &DataSender::updateProgress)
        , m_capture(std::move(capture))
    {
        for (auto signal : {&DataSender::finished, &DataSender::error, &DataSender::canceled})
            QObject::connect(sender, signal, &m_context, [this](DataSender *s) { record(s); });
    }
    int count() const { return finished.count() + error.count() + canceled.count(); }
    bool ended(int timeoutMs = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while (count() == 0 && timer.elapsed() < timeoutMs)
            finished.wait(50);
        return count() == 1;
    }
    // Six significant digits: 0.33 * 3 reads "0.99", 2.0 / 3 "0.666667".
    QStringList progressTexts() const
    {
        QStringList values;
        for (const QList<QVariant> &arguments : progress)
            values << QString::number(arguments.at(0).toDouble());
        return values;
    }

    QSignalSpy finished;
    QSignalSpy error;
    QSignalSpy canceled;
    QSignalSpy progress;
    int result = -1;
    Error errorCode = NoError;

private:
    void record(DataSender *sender)
    {
        result = sender->result();
        errorCode = sender->errorCode();
        if (m_capture)
            m_capture(sender);
    }

    std::function<void(DataSender *)> m_capture;
    QObject m_context;
};

} // namespace OperationsTestSupport
