#include "CommandDeviceInfo.h"
#include "CommandWWW.h"
#include "DeviceInfo.h"
#include "Error.h"
#include "NetworkParameters.h"
#include "WWWParameters.h"
#include "WorkerFactory.h"
#include "WorkerTcp.h"
#include "WorkerThread.h"
#include "WorkerUdp.h"
#include "WorkerWWW.h"

#include <QtTest>

#include <memory>

// From a command and a clock's connection record to the right worker, and the
// user texts of the error kinds.
class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void requestPath_data();
    void requestPath();
    void deviceInfoQuery();
    void parameters_data();
    void parameters();
    void workerFromCommand_data();
    void workerFromCommand();
    void handshakeCommandConfiguresTcpWorker();
    void errorText_data();
    void errorText();
};

void TestCommands::requestPath_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("path");
    const QList<QPair<int, QString>> table = {
        {0, QString()},  {1, QString()},  {ReadNetwork, "/D"},     {ReadStatus, "/T1"},
        {ReadFirmware, "/F"},             {ReadTimeConfig, "/A"},  {ReadDisplayConfig, "/B"},
        {ReadAlarmConfig, "/C0"},         {WriteNetwork, "/D0"},   {WritePassword, "/D2"},
        {WriteName, "/D"},                {WriteTimeConfig, "/A1"}, {WriteDisplayConfig, "/B0"},
        {WriteAlarmConfig, "/C0"},        {WriteMac, "/E0"},       {15, QString()},
        {-1, QString()},
    };
    for (const auto &row : table)
        QTest::addRow("type %d", row.first) << row.first << row.second;
}

void TestCommands::requestPath()
{
    QFETCH(int, type);
    QFETCH(QString, path);
    CommandWWW command(type, QByteArray());
    QCOMPARE(command.path(), path);
    QVERIFY(command.payload().isEmpty()); // build must not invent a body
}

void TestCommands::deviceInfoQuery()
{
    CommandDeviceInfo command;
    QCOMPARE(command.payload(), QByteArray::fromHex("514C583F"));
    QCOMPARE(command.expectedLength(), 0);
}

void TestCommands::parameters_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("interfaceIp");
    QTest::addColumn<bool>("made");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("local");

    const QString any = "0.0.0.0";
    QTest::newRow("udp forces the discovery port") << int(Udp) << QString() << true << 9666 << any;
    QTest::newRow("tcp keeps the clock's port") << int(Tcp) << QString() << true << 2101 << any;
    QTest::newRow("http uses no port of its own") << int(Www) << QString() << true << 0 << any;
    QTest::newRow("chosen interface is bound")
        << int(Www) << "192.168.5.2" << true << 0 << "192.168.5.2";
    QTest::newRow("unknown type 3") << 3 << QString() << false << 0 << QString();
    QTest::newRow("negative type") << -1 << QString() << false << 0 << QString();
}

void TestCommands::parameters()
{
    QFETCH(int, type);
    QFETCH(QString, interfaceIp);
    QFETCH(bool, made);
    QFETCH(int, port);
    QFETCH(QString, local);

    DeviceInfo info;
    info.address = QHostAddress("192.168.5.40");
    if (!interfaceIp.isEmpty()) {
        info.networkInterface.name = "eth1";
        info.networkInterface.ip = QHostAddress(interfaceIp);
    }
    const std::unique_ptr<InterfaceParameters> parameters = makeParameters(info, type, "admin", "pw", 305);
    QCOMPARE(bool(parameters), made);
    if (!made)
        return;
    const auto *network = dynamic_cast<const NetworkParameters *>(parameters.get());
    QVERIFY(network);
    QCOMPARE(network->interfaceType(), type);
    QCOMPARE(network->address(), info.address);
    QCOMPARE(int(network->port()), port);
    QCOMPARE(network->localAddress(), QHostAddress(local));
    if (type == Www) {
        const auto *www = dynamic_cast<const WWWParameters *>(network);
        QVERIFY(www);
        QCOMPARE(www->user(), QString("admin"));
        QCOMPARE(www->password(), QString("pw"));
        QCOMPARE(www->firmware(), 305);
    }
}

void TestCommands::workerFromCommand_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("external");
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("http worker gets the body") << int(Www) << false << QByteArray("a=1&b=2");
    QTest::newRow("udp worker gets the body") << int(Udp) << false << QByteArray("a=1&b=2");
    QTest::newRow("tcp worker gets the body") << int(Tcp) << false << QByteArray("a=1&b=2");
    QTest::newRow("external command leaves the payload out") << int(Tcp) << true << QByteArray();
}

void TestCommands::workerFromCommand()
{
    QFETCH(int, type);
    QFETCH(bool, external);
    QFETCH(QByteArray, payload);

    CommandWWW command(WriteName, "a=1&b=2");
    command.setExternal(external);
    const QHostAddress clock("10.1.2.3");
    const QHostAddress local("10.1.2.1");
    const auto parameters = [&]() -> std::unique_ptr<InterfaceParameters> {
        if (type == Www)
            return std::make_unique<WWWParameters>(clock, local, "u", "p", 300);
        return std::make_unique<NetworkParameters>(clock, 2101, type, local);
    };

    const std::unique_ptr<WorkerThread> thread(makeWorkerThread(command, parameters()));
    QVERIFY(thread);
    QCOMPARE(thread->id(), -1);

    const std::unique_ptr<Worker> worker(createWorker(command, *parameters()));
    auto *ethernet = qobject_cast<WorkerEthernet *>(worker.get());
    QVERIFY(ethernet);
    QCOMPARE(ethernet->payload(), payload);
    QCOMPARE(ethernet->remoteAddress(), clock);
    QCOMPARE(ethernet->localAddress(), local);
    switch (type) {
    case Www:
        QVERIFY(qobject_cast<WorkerWWW *>(ethernet));
        QCOMPARE(qobject_cast<WorkerWWW *>(ethernet)->path(), QString("/D"));
        break;
    case Udp:
        QVERIFY(qobject_cast<WorkerUdp *>(ethernet));
        QCOMPARE(int(ethernet->port()), int(NetworkParameters::udpPort));
        break;
    case Tcp:
        QVERIFY(qobject_cast<WorkerTcp *>(ethernet));
        QCOMPARE(int(ethernet->port()), 2101);
        QCOMPARE(qobject_cast<WorkerTcp *>(ethernet)->command(), external ? static_cast<Command *>(&command) : nullptr);
        break;
    }
}

void TestCommands::handshakeCommandConfiguresTcpWorker()
{
    class RawCommand : public Command
    {
    public:
        void build() override
        {
            m_payload = QByteArray::fromHex("01020304050607080910");
            m_expectedLength = 10;
        }
    } command;
    command.setHandshake(true);
    const std::unique_ptr<Worker> worker(
        createWorker(command, NetworkParameters(QHostAddress::LocalHost, 2101, Tcp, QHostAddress())));
    auto *tcp = qobject_cast<WorkerTcp *>(worker.get());
    QVERIFY(tcp);
    QCOMPARE(tcp->payload(), QByteArray::fromHex("01020304050607080910"));
    QCOMPARE(tcp->expectedLength(), 10);
    QVERIFY(tcp->handshake());
    QVERIFY(!tcp->command());
}

void TestCommands::errorText_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    const QString unable = "An error occured: Unable connect to device";
    QTest::newRow("no error reads as unable to connect") << -1 << unable;
    QTest::newRow("authorization") << 1 << "An error occured: Authorization error";
    QTest::newRow("connection") << 2 << unable;
    QTest::newRow("no response") << 3 << "An error occured: No response";
    QTest::newRow("host not found") << 4 << "An error occured: Host not found";
    QTest::newRow("incorrect data") << 5 << "An error occured: Incorrect data sent or function is unsupported";
    QTest::newRow("page not found has no text of its own") << 6 << unable;
    QTest::newRow("unknown value") << 42 << unable;
}

void TestCommands::errorText()
{
    QFETCH(int, error);
    QFETCH(QString, text);
    QCOMPARE(ErrorText::operationFailed(error), text);
}

QTEST_APPLESS_MAIN(TestCommands)
#include "tst_commands.moc"
