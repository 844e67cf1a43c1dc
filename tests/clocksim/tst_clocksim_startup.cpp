// The simulator refuses bad clock files and sockets it cannot open with an
// error that names the clock, the field or the address.
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

namespace {

constexpr int kRunMs = 30000;
constexpr int kExitUsage = 1;
constexpr int kExitClockFile = 2;
constexpr int kExitBind = 3;

QString simulatorPath()
{
    return qEnvironmentVariable("ZENTICK_BINARY_DIR") + QStringLiteral("/bin/zentick-clocksim");
}

QByteArray clockFile(const QByteArray& clocks)
{
    return "{\"clocks\": [" + clocks + "]}";
}

} // namespace

class TestClockSimStartup : public QObject
{
    Q_OBJECT

private slots:
    void badClockFile_data();
    void badClockFile();
    void cannotOpenSockets_data();
    void cannotOpenSockets();

private:
    // Runs the simulator; returns its exit code, stderr in *errors.
    int run(const QStringList& arguments, QString* errors);
};

int TestClockSimStartup::run(const QStringList& arguments, QString* errors)
{
    QProcess process;
    process.start(simulatorPath(), arguments);
    if (!process.waitForFinished(kRunMs)) {
        process.kill();
        process.waitForFinished();
        *errors = QStringLiteral("still running");
        return -1;
    }
    *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestClockSimStartup::badClockFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    const QByteArray good = "{\"ip\": \"192.168.0.11\"}";
    QTest::newRow("not JSON") << QByteArray("{\"clocks\": [") << "not JSON:";
    QTest::newRow("no clock list") << QByteArray("{\"clock\": []}") << "expected an object with a list \"clocks\"";
    QTest::newRow("empty list") << clockFile("") << "clocks: expected 1 to 4096 clocks";
    QTest::newRow("clock without address") << clockFile("{\"name\": \"x\"}")
                                           << "clocks[0].ip: expected an IPv4 address";
    QTest::newRow("IPv6 address") << clockFile("{\"ip\": \"::1\"}") << "clocks[0] (::1).ip: expected an IPv4 address";
    QTest::newRow("bad MAC in the second clock")
        << clockFile(good + ", {\"ip\": \"192.168.0.12\", \"mac\": \"02-A7\"}")
        << "clocks[1] (192.168.0.12).mac: expected six hexadecimal bytes";
    QTest::newRow("misspelt field") << clockFile("{\"ip\": \"192.168.0.11\", \"pasword\": \"x\"}")
                                    << "clocks[0] (192.168.0.11).pasword: unknown field";
    QTest::newRow("firmware over 255.99") << clockFile("{\"ip\": \"192.168.0.11\", \"firmware\": 25600}")
                                          << "clocks[0] (192.168.0.11).firmware: expected hundredths";
    QTest::newRow("firmware text with one decimal") << clockFile("{\"ip\": \"192.168.0.11\", \"firmware\": \"3.5\"}")
                                                    << "clocks[0] (192.168.0.11).firmware: expected hundredths";
    QTest::newRow("model code over 255 bytes")
        << clockFile("{\"ip\": \"192.168.0.11\", \"productCode\": \"" + QByteArray(256, 'Q') + "\"}")
        << "clocks[0] (192.168.0.11).productCode: longer than 255 bytes";
    QTest::newRow("port out of range") << clockFile("{\"ip\": \"192.168.0.11\", \"port\": 70000}")
                                       << "clocks[0] (192.168.0.11).port: expected 0 to 65535";
    QTest::newRow("unused time code") << clockFile("{\"ip\": \"192.168.0.11\", \"time\": {\"A_001\": 1}}")
                                      << "clocks[0] (192.168.0.11).time.A_001: not a parameter code of this group";
    QTest::newRow("separator inside a setting")
        << clockFile("{\"ip\": \"192.168.0.11\", \"display\": {\"B_018\": \"a&b\"}}")
        << "clocks[0] (192.168.0.11).display.B_018: expected text without \"&\"";
    QTest::newRow("alarm slot 30") << clockFile("{\"ip\": \"192.168.0.11\", \"alarms\": [{\"slot\": 30}]}")
                                   << "clocks[0] (192.168.0.11).alarms[0].slot: expected 0 to 29";
    QTest::newRow("misspelt fault") << clockFile("{\"ip\": \"192.168.0.11\", \"faults\": {\"slient\": true}}")
                                    << "clocks[0] (192.168.0.11).faults: unknown field \"slient\"";
    QTest::newRow("status fault as text") << clockFile("{\"ip\": \"192.168.0.11\", \"faults\": {\"status\": \"500\"}}")
                                          << "clocks[0] (192.168.0.11).faults.status: expected a whole number";
    QTest::newRow("unknown signal letter") << clockFile("{\"ip\": \"192.168.0.11\", \"status\": {\"signal\": \"Q\"}}")
                                           << "clocks[0] (192.168.0.11).status.signal: value of the wrong kind";
}

void TestClockSimStartup::badClockFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("clocks.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QString errors;
    // Ports that cannot clash with anything: the file is refused before any socket opens.
    const int code = run({"--clocks", path, "--http-port", "0", "--discovery-port", "0"}, &errors);
    QCOMPARE(code, kExitClockFile);
    QVERIFY2(errors.startsWith(QStringLiteral("zentick-clocksim: ") + path + QStringLiteral(": ")), qPrintable(errors));
    QVERIFY2(errors.contains(message), qPrintable(errors));
}

void TestClockSimStartup::cannotOpenSockets_data()
{
    QTest::addColumn<QString>("what");

    QTest::newRow("address not on this machine") << "address";
    QTest::newRow("HTTP port taken") << "http";
    QTest::newRow("discovery port taken") << "discovery";
    QTest::newRow("control socket in a missing folder") << "control";
    QTest::newRow("clock file and generated clocks together") << "usage";
    QTest::newRow("generated clocks past .254") << "range";
}

void TestClockSimStartup::cannotOpenSockets()
{
    QFETCH(QString, what);

    QTcpServer takenTcp;
    QUdpSocket takenUdp;
    QVERIFY(takenTcp.listen(QHostAddress::LocalHost, 0));
    QVERIFY(takenUdp.bind(QHostAddress::AnyIPv4, 0, QUdpSocket::DontShareAddress));
    const QString tcpPort = QString::number(takenTcp.serverPort());
    const QString udpPort = QString::number(takenUdp.localPort());

    QStringList arguments = {"--generate", "1", "--first-ip", "127.0.0.1", "--http-port", "0", "--discovery-port", "0"};
    int expectedCode = kExitBind;
    QString message;
    if (what == QLatin1String("address")) {
        arguments[3] = QStringLiteral("192.0.2.1"); // documentation range, never local
        message = QStringLiteral("cannot listen on 192.0.2.1 port 0: ");
    } else if (what == QLatin1String("http")) {
        arguments[5] = tcpPort;
        message = QStringLiteral("cannot listen on 127.0.0.1 port %1: ").arg(tcpPort);
    } else if (what == QLatin1String("discovery")) {
        arguments[7] = udpPort;
        message = QStringLiteral("cannot listen for discovery on UDP port %1: ").arg(udpPort);
    } else if (what == QLatin1String("control")) {
        arguments << "--control" << "/nonexistent-zentick-folder/control.sock";
        message = QStringLiteral("cannot open the control socket /nonexistent-zentick-folder/control.sock");
    } else if (what == QLatin1String("usage")) {
        arguments << "--clocks" << "clocks.json";
        expectedCode = kExitUsage;
        message = QStringLiteral("give either --clocks FILE or --generate N");
    } else {
        arguments = QStringList{"--generate", "10", "--first-ip", "192.168.0.250", "--http-port", "0"};
        expectedCode = kExitUsage;
        message = QStringLiteral("--generate: 10 clocks from 192.168.0.250 run past .254");
    }
    QString errors;
    QCOMPARE(run(arguments, &errors), expectedCode);
    QVERIFY2(errors.contains(message), qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestClockSimStartup)
#include "tst_clocksim_startup.moc"
