// The transports against the clock simulator, from the "pc" namespace of
// tests/netns/netns-run.sh: a discovery broadcast that never leaves the two
// namespaces, and HTTP exchanges with a clock that checks credentials and
// misbehaves on request.
#include "ClockSimControl.h"
#include "CommandDeviceInfo.h"
#include "CommandWWW.h"
#include "DeviceInfo.h"
#include "WorkerFactory.h"
#include "TestRows.h"
#include "WorkerRun.h"
#include "WorkerUdp.h"
#include "WorkerWWW.h"

#include <QJsonDocument>
#include <QtTest>

namespace {

// Clocks of tests/transport/data/clocks.json.
const QString lobby = QStringLiteral("192.168.0.11"); // admin / secret, firmware 3.05
constexpr int lobbyIndex = 0;

struct Outcome
{
    bool finished = false;
    bool error = false;
    int code = NoError;
    QByteArray data;
    QVector<DatagramPacket> packets;
};

Outcome run(Command &command, const DeviceInfo &device, int type, const QString &user, const QString &password,
            int firmware)
{
    Outcome outcome;
    outcome.finished = runWorker(makeWorkerThread(command, makeParameters(device, type, user, password, firmware)),
                                 [&outcome](Worker *worker) {
                                     outcome.error = worker->error();
                                     outcome.data = worker->data();
                                     if (auto *www = qobject_cast<WorkerWWW *>(worker))
                                         outcome.code = www->errorCode();
                                     if (auto *udp = qobject_cast<WorkerUdp *>(worker))
                                         outcome.packets = udp->packets();
                                 });
    return outcome;
}

DeviceInfo pcDevice(const QString &address)
{
    DeviceInfo device;
    device.address = QHostAddress(address);
    device.networkInterface.name = QStringLiteral("pc");
    device.networkInterface.ip = QHostAddress(ClockSimControl::pcAddress());
    return device;
}

} // namespace

class TestTransportClockSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void discoveryBroadcast();
    void httpExchange_data() { TestRows::add(QStringLiteral("transport/http.rows")); }
    void httpExchange();

private:
    ClockSimControl m_control;
};

void TestTransportClockSim::initTestCase()
{
    QVERIFY2(m_control.isAvailable(), "run through tests/netns/netns-run.sh");
    QVERIFY2(m_control.command("ping").value("ok").toBool(), qPrintable(m_control.lastError()));
}

void TestTransportClockSim::init()
{
    QVERIFY(m_control.reset());
    QVERIFY(m_control.clearLog());
}

void TestTransportClockSim::discoveryBroadcast()
{
    CommandDeviceInfo query;
    const Outcome outcome = run(query, pcDevice("255.255.255.255"), Udp, QString(), QString(), 0);
    QVERIFY(outcome.finished);
    QVERIFY(!outcome.error);

    QStringList senders;
    for (const DatagramPacket &packet : outcome.packets) {
        if (packet.address == ClockSimControl::pcAddress())
            continue; // our own broadcast
        QVERIFY(!packet.data.isEmpty());
        senders.append(packet.address);
    }
    senders.sort();
    QCOMPARE(senders, QStringList({"192.168.0.11", "192.168.0.12", "192.168.0.13"}));
}

void TestTransportClockSim::httpExchange()
{
    QFETCH(QJsonObject, faults);
    QFETCH(QString, password);
    QFETCH(int, bodySize);
    QFETCH(int, code);

    QVERIFY(m_control.setFaults(lobbyIndex, faults));
    QByteArray body;
    for (int i = 0; i < bodySize; ++i)
        body += char('a' + i % 26);
    CommandWWW command(ReadFirmware, body);
    const Outcome outcome = run(command, pcDevice(lobby), Www, "admin", password, 305);
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.code, code);
    QCOMPARE(outcome.error, code != NoError);
    if (code == NoError)
        QVERIFY(outcome.data.startsWith("HTTP/1.1 200 OK\r\n"));
    QVERIFY(outcome.data.size() <= WorkerWWW::maxReplySize * 2);

    // What the clock received, byte for byte, when it read the request at all.
    const QVector<QJsonObject> log = m_control.httpRequests();
    if (faults.contains("refuse")) {
        QVERIFY(log.isEmpty());
        return;
    }
    QVERIFY(!log.isEmpty());
    const QByteArray credentials = ("admin:" + password).toLocal8Bit().toBase64();
    QCOMPARE(ClockSimControl::requestBytes(log.last()),
             "POST /F HTTP/1.1\r\n"
             "Authorization: Basic "
                 + credentials
                 + "\r\n"
                   "Content-Length: "
                 + QByteArray::number(bodySize)
                 + "\r\n"
                   "Connection: Keep-Alive\r\n"
                   "Accept-Encoding: gzip, deflate\r\n"
                   "Content-Type: application/x-www-form-urlencoded\r\n"
                   "\r\n"
                 + body);
}

QTEST_GUILESS_MAIN(TestTransportClockSim)
#include "tst_transport_clocksim.moc"
