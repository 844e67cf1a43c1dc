// The simulator's HTTP side, driven over real sockets from the "pc" namespace.
#include "ClockSimControl.h"
#include "RawHttpClient.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QtTest>

namespace {

// Addresses of tests/clocksim/data/clocks.json.
const QString kShared = QStringLiteral("192.168.0.11"); // clocks 0 "Lobby" and 1 "Workshop"
const QString kHall = QStringLiteral("192.168.0.20");   // clock 2, op / pässword
const QString kSpare = QStringLiteral("192.168.0.21");  // clock 3, admin / admin
const QString kHidden = QStringLiteral("192.168.0.22"); // clock 4, refuses from the start
constexpr int kSpareIndex = 3;

const QByteArray kUnauthorized = QByteArrayLiteral(
    "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"clock\"\r\nCONTENT-LENGTH: 0\r\n\r\n");
const QByteArray kDefaultTime = QByteArrayLiteral(
    "A_002=2&A_003=15&A_004=1&A_005=pool.ntp.org&A_006=&A_007=&A_008=&A_009=&A_010=0&A_013=0&A_014=1&A_015=0"
    "&A_016=02:00&A_017=4&A_018=6&A_019=3&A_020=03:00&A_021=4&A_022=6&A_023=10");

QByteArray ok200(const QByteArray& body)
{
    return "HTTP/1.1 200 OK\r\nCONTENT-LENGTH: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

RawHttpClient::Result postSpare(const QByteArray& path, const QByteArray& body = QByteArray())
{
    return RawHttpClient::exchange(kSpare, RawHttpClient::post(path, body, "admin", "admin"));
}

QJsonObject faultsFrom(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).object();
}

// Thirty alarm groups as the program writes them, slot 0 and 29 set.
QByteArray alarmWriteBody()
{
    QByteArray body;
    for (int slot = 0; slot < 30; ++slot) {
        QByteArray active = "0", time = "", duration = "0", mode = "0", mask = "0";
        if (slot == 0) {
            active = "1", time = "06:15", duration = "30", mode = "1", mask = "69";
        } else if (slot == 29) {
            active = "1", duration = "5", mask = "127";
        }
        body += "&C_000=" + QByteArray::number(slot) + "&C_001=" + active + "&C_002=" + time + "&C_003=" + duration
                + "&C_004=" + mode + "&C_005=" + mask;
    }
    return body;
}

QByteArray alarmReadBody()
{
    QByteArray body = "30";
    for (int slot = 0; slot < 30; ++slot) {
        if (slot == 0)
            body += "&1&06:15&30&Selected days&69&0&0&0";
        else if (slot == 29)
            body += "&1&&5&All days&127&0&0&0";
        else
            body += "&0&&0&All days&0&0&0&0";
    }
    return body;
}

} // namespace

class TestClockSimHttp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void authentication_data();
    void authentication();
    void readWriteRoundTrip_data();
    void readWriteRoundTrip();
    void firmwareAndUnknownPath_data();
    void firmwareAndUnknownPath();
    void statusReply_data();
    void statusReply();
    void passwordChange_data();
    void passwordChange();
    void macChange_data();
    void macChange();
    void sharedAddressDispatchAndMove();
    void refusalAtSharedAddress_data();
    void refusalAtSharedAddress();
    void moveDelayLeavesClockUnreachable();
    void faultStatus_data();
    void faultStatus();
    void faultSilent();
    void faultRefuse();
    void faultSlowDelivery_data();
    void faultSlowDelivery();
    void faultDropOnNetworkWrite();
    void faultEndless();
    void malformedRequests_data();
    void malformedRequests();
    void requestLogHoldsExactBytes_data();
    void requestLogHoldsExactBytes();

private:
    ClockSimControl m_control;
};

void TestClockSimHttp::initTestCase()
{
    QVERIFY2(m_control.isAvailable(), "run through tests/netns/netns-run.sh");
    QVERIFY2(m_control.command("ping").value("ok").toBool(), qPrintable(m_control.lastError()));
}

void TestClockSimHttp::init()
{
    QVERIFY(m_control.reset());
    QVERIFY(m_control.clearLog());
    QVERIFY(m_control.setFixedTime(QDateTime()));
}

void TestClockSimHttp::authentication_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("faults");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("auth");

    const QByteArray head = "POST /F HTTP/1.1\r\nContent-Length: 0\r\n";
    QTest::newRow("right credentials") << kSpare << RawHttpClient::post("/F", "", "admin", "admin") << QByteArray()
                                       << 200 << "ok";
    QTest::newRow("wrong password") << kSpare << RawHttpClient::post("/F", "", "admin", "nimda") << QByteArray()
                                    << 401 << "wrong";
    QTest::newRow("wrong user") << kSpare << RawHttpClient::post("/F", "", "root", "admin") << QByteArray() << 401
                                << "wrong";
    QTest::newRow("no authorization header") << kSpare << head + "\r\n" << QByteArray() << 401 << "missing";
    QTest::newRow("credentials not base64") << kSpare << head + "Authorization: Basic !!!\r\n\r\n" << QByteArray()
                                            << 401 << "malformed";
    QTest::newRow("digest scheme") << kSpare << head + "Authorization: Digest YWRtaW46YWRtaW4=\r\n\r\n"
                                   << QByteArray() << 401 << "malformed";
    QTest::newRow("scheme in lower case") << kSpare << head + "authorization: basic YWRtaW46YWRtaW4=\r\n\r\n"
                                          << QByteArray() << 200 << "ok";
    QTest::newRow("password in UTF-8") << kHall << RawHttpClient::post("/F", "", "op", "pässword") << QByteArray()
                                       << 200 << "ok";
    QTest::newRow("password in Latin-1 bytes")
        << kHall << head + "Authorization: Basic " + QByteArray("op:p\xe4ssword").toBase64() + "\r\n\r\n"
        << QByteArray() << 401 << "wrong";
    QTest::newRow("clock refusing every credential")
        << kSpare << RawHttpClient::post("/F", "", "admin", "admin") << QByteArray("{\"wrongCredentials\":true}")
        << 401 << "ok";
    QTest::newRow("wrong credentials only on another path")
        << kSpare << RawHttpClient::post("/F", "", "admin", "admin")
        << QByteArray("{\"wrongCredentials\":true,\"paths\":[\"/T1\"]}") << 200 << "ok";
}

void TestClockSimHttp::authentication()
{
    QFETCH(QString, address);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, faults);
    QFETCH(int, status);
    QFETCH(QString, auth);

    if (!faults.isEmpty())
        QVERIFY(m_control.setFaults(kSpareIndex, faultsFrom(faults)));
    const RawHttpClient::Result result = RawHttpClient::exchange(address, request);
    QVERIFY(result.closedByPeer);
    QCOMPARE(RawHttpClient::statusOf(result.reply), status);
    if (status == 401)
        QCOMPARE(result.reply, kUnauthorized);
    const QVector<QJsonObject> log = m_control.httpRequests();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.first().value("auth").toString(), auth);
    QCOMPARE(log.first().value("status").toInt(), status);
}

void TestClockSimHttp::readWriteRoundTrip_data()
{
    QTest::addColumn<QByteArray>("writePath");
    QTest::addColumn<QByteArray>("writeBody");
    QTest::addColumn<QByteArray>("readPath");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("time settings all zero")
        << QByteArray("/A1")
        << QByteArray("&A_002=0&A_003=0&A_004=0&A_005=&A_006=&A_007=&A_008=&A_009=&A_010=0&A_013=0&A_014=0&A_015=0"
                      "&A_016=&A_017=0&A_018=0&A_019=1&A_020=&A_021=0&A_022=0&A_023=1")
        << QByteArray("/A")
        << QByteArray("A_002=0&A_003=0&A_004=0&A_005=&A_006=&A_007=&A_008=&A_009=&A_010=0&A_013=0&A_014=0&A_015=0"
                      "&A_016=&A_017=0&A_018=0&A_019=1&A_020=&A_021=0&A_022=0&A_023=1");
    QTest::newRow("partial time write keeps the rest, unknown code ignored")
        << QByteArray("/A1") << QByteArray("&A_005=time.example.net&A_099=9") << QByteArray("/A")
        << QByteArray(kDefaultTime).replace("pool.ntp.org", "time.example.net");
    QTest::newRow("display with doubled separators")
        << QByteArray("/B0")
        << QByteArray("&B_000=1&B_001=7&B_005=0&B_006=3&B_002=1&B_003=4&&B_004=2&B_022=1&&B_007=5&B_008=3&B_009=1"
                      "&B_010=22:00&B_011=06:30&B_014=1&B_015=-0.5&B_021=1&B_023=1&B_016=1&B_017=2"
                      "&B_018=192.168.1.20&B_024=0&B_025=0")
        << QByteArray("/B")
        << QByteArray("B_000=1&B_001=7&B_005=0&B_006=3&B_002=1&B_003=4&B_004=2&B_022=1&B_007=5&B_008=3&B_009=1"
                      "&B_010=22:00&B_011=06:30&B_014=1&B_015=-0.5&B_021=1&B_023=1&B_016=1&B_017=2"
                      "&B_018=192.168.1.20&B_024=0&B_025=0");
    QTest::newRow("alarms in thirty groups") << QByteArray("/C0") << alarmWriteBody() << QByteArray("/C0")
                                             << alarmReadBody();
    QTest::newRow("rename with a non-ASCII name")
        << QByteArray("/D") << QByteArray("&D_006=Foyer \xc3\xbc") << QByteArray("/D")
        << QByteArray("D_000=192.168.0.21&D_001=255.255.255.0&D_002=192.168.0.1&D_006=Foyer \xc3\xbc&D_007=0"
                      "&D_008=1&D_009=8.8.8.8&D_010=4.4.4.4&D_011=1&D_012=0&D_013=230&D_015=5");
    QTest::newRow("network settings at the same address")
        << QByteArray("/D0")
        << QByteArray("&D_000=192.168.0.21&D_001=255.255.0.0&D_002=192.168.0.254&D_007=1&D_008=0&D_011=0&D_012=1"
                      "&D_013=224&D_015=10&D_009=1.1.1.1&D_010=9.9.9.9")
        << QByteArray("/D")
        << QByteArray("D_000=192.168.0.21&D_001=255.255.0.0&D_002=192.168.0.254&D_006=Spare&D_007=1&D_008=0"
                      "&D_009=1.1.1.1&D_010=9.9.9.9&D_011=0&D_012=1&D_013=224&D_015=10");
    QTest::newRow("network write with an empty address stays put")
        << QByteArray("/D0") << QByteArray("&D_000=&D_001=255.0.0.0&D_002=192.168.0.1&D_007=0") << QByteArray("/D")
        << QByteArray("D_000=192.168.0.21&D_001=255.0.0.0&D_002=192.168.0.1&D_006=Spare&D_007=0&D_008=1"
                      "&D_009=8.8.8.8&D_010=4.4.4.4&D_011=1&D_012=0&D_013=230&D_015=5");
}

void TestClockSimHttp::readWriteRoundTrip()
{
    QFETCH(QByteArray, writePath);
    QFETCH(QByteArray, writeBody);
    QFETCH(QByteArray, readPath);
    QFETCH(QByteArray, expected);

    const RawHttpClient::Result written = postSpare(writePath, writeBody);
    QCOMPARE(written.reply, ok200(expected)); // a write answers with the settings it left
    const RawHttpClient::Result read = postSpare(readPath);
    QCOMPARE(read.reply, ok200(expected));
}

void TestClockSimHttp::firmwareAndUnknownPath_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("firmware 3.05") << kShared << "admin" << "secret" << QByteArray("/F")
                                   << QByteArray("QM03&DC-0001&02-A7-3C-00-00-01&1&3.05");
    QTest::newRow("firmware below 1 keeps two digits") << kHall << "op" << "pässword" << QByteArray("/F")
                                                       << QByteArray("QM12&DC-0003&02-A7-3C-00-00-03&1&0.99");
    QTest::newRow("unknown page is a 200 with a 404 title")
        << kSpare << "admin" << "admin" << QByteArray("/Z9")
        << QByteArray("<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1><p>/Z9</p>"
                      "</body></html>");
}

void TestClockSimHttp::firmwareAndUnknownPath()
{
    QFETCH(QString, address);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, body);

    const RawHttpClient::Result result = RawHttpClient::exchange(address, RawHttpClient::post(path, "", user, password));
    QVERIFY(result.closedByPeer);
    QCOMPARE(result.reply, ok200(body));
}

void TestClockSimHttp::statusReply_data()
{
    QTest::addColumn<QByteArray>("setupPath");
    QTest::addColumn<QByteArray>("setupBody");
    QTest::addColumn<QByteArray>("faults");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("values of the clock file at a frozen time")
        << QByteArray() << QByteArray() << QByteArray() << QByteArray()
        << QByteArray("10:00:00&06.12.2026&19.4&#176;C&35&V&E042&ntp1.example.org OK&06.12.2026 - 10:00:00&1");
    QTest::newRow("Fahrenheit with offset and a fixed brightness")
        << QByteArray("/B0") << QByteArray("&B_023=1&B_021=1&B_015=+1.6&&B_007=3") << QByteArray() << QByteArray()
        << QByteArray("10:00:00&06.12.2026&69.8&#176;F&40&V&E042&ntp1.example.org OK&06.12.2026 - 10:00:00&1");
    QTest::newRow("GPS time source reports NTP off") << QByteArray("/A1") << QByteArray("&A_002=1") << QByteArray()
                                                     << QByteArray()
                                                     << QByteArray("10:00:00&06.12.2026&19.4&#176;C&35&V&E042&- -&-&1");
    QTest::newRow("NTP word from a fault")
        << QByteArray() << QByteArray() << QByteArray("{\"ntpWord\":\"timeout\"}") << QByteArray()
        << QByteArray("10:00:00&06.12.2026&19.4&#176;C&35&V&E042&ntp1.example.org timeout&06.12.2026 - 10:00:00&1");
    QTest::newRow("status values changed while running")
        << QByteArray() << QByteArray() << QByteArray()
        << QByteArray("{\"temperature\":-3.5,\"errorCode\":\"noEr\",\"signal\":\"N\",\"remoteMode\":false,"
                      "\"lastSync\":\"01.12.2026 - 23:59:00\"}")
        << QByteArray("10:00:00&06.12.2026&-3.5&#176;C&35&N&noEr&ntp1.example.org OK&01.12.2026 - 23:59:00&0");
}

void TestClockSimHttp::statusReply()
{
    QFETCH(QByteArray, setupPath);
    QFETCH(QByteArray, setupBody);
    QFETCH(QByteArray, faults);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, expected);

    constexpr int kHallIndex = 2;
    QVERIFY(m_control.setFixedTime(QDateTime(QDate(2026, 12, 6), QTime(10, 0))));
    if (!faults.isEmpty())
        QVERIFY(m_control.setFaults(kHallIndex, faultsFrom(faults)));
    if (!status.isEmpty())
        QVERIFY2(m_control.setStatus(kHallIndex, faultsFrom(status)), qPrintable(m_control.lastError()));
    if (!setupPath.isEmpty()) {
        const auto setup = RawHttpClient::exchange(kHall, RawHttpClient::post(setupPath, setupBody, "op", "pässword"));
        QCOMPARE(RawHttpClient::statusOf(setup.reply), 200);
    }
    const auto result = RawHttpClient::exchange(kHall, RawHttpClient::post("/T1", "", "op", "pässword"));
    QCOMPARE(result.reply, ok200(expected));
}

void TestClockSimHttp::passwordChange_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("password");

    QTest::newRow("old password right") << QByteArray("passchange=admin%21n3w!%21") << 200 << "n3w!";
    QTest::newRow("empty new password") << QByteArray("passchange=admin%21%21") << 200 << "";
    QTest::newRow("old password wrong") << QByteArray("passchange=nope%21x%21") << 401 << "admin";
    QTest::newRow("no separators") << QByteArray("passchange=admin") << 400 << "admin";
    QTest::newRow("other form") << QByteArray("&D_006=x") << 400 << "admin";
}

void TestClockSimHttp::passwordChange()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, password);

    const auto result = postSpare("/D2", body);
    QCOMPARE(RawHttpClient::statusOf(result.reply), status);
    QCOMPARE(m_control.clock(kSpareIndex).value("password").toString(), password);
    const auto withNew = RawHttpClient::exchange(kSpare, RawHttpClient::post("/F", "", "admin", password));
    QCOMPARE(RawHttpClient::statusOf(withNew.reply), 200);
    if (password != QLatin1String("admin")) {
        const auto withOld = postSpare("/F");
        QCOMPARE(withOld.reply, kUnauthorized);
    }
}

void TestClockSimHttp::macChange_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("mac");

    QTest::newRow("resolver's form") << QByteArray("&E_000=02-A7-3C-DC-00-FF") << 200 << "02-A7-3C-DC-00-FF";
    QTest::newRow("colons in lower case") << QByteArray("&E_000=02:a7:3c:dc:01:00") << 200 << "02-A7-3C-DC-01-00";
    QTest::newRow("three bytes only") << QByteArray("&E_000=02-A7-3C") << 400 << "02-A7-3C-00-00-04";
    QTest::newRow("no MAC at all") << QByteArray() << 400 << "02-A7-3C-00-00-04";
}

void TestClockSimHttp::macChange()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, mac);

    const auto result = postSpare("/E0", body);
    QCOMPARE(RawHttpClient::statusOf(result.reply), status);
    QCOMPARE(m_control.clock(kSpareIndex).value("mac").toString(), mac);
    const auto firmware = postSpare("/F");
    QCOMPARE(RawHttpClient::bodyOf(firmware.reply), "QM01&DC-0004&" + mac.toLatin1() + "&1&1.00");
}

void TestClockSimHttp::sharedAddressDispatchAndMove()
{
    // Both clocks hold the factory address; the first in the file answers.
    auto result = RawHttpClient::exchange(kShared, RawHttpClient::post("/D", "", "admin", "secret"));
    QVERIFY(RawHttpClient::bodyOf(result.reply).contains("&D_006=Lobby&"));

    result = RawHttpClient::exchange(
        kShared, RawHttpClient::post("/D0", "&D_000=192.168.0.30&D_001=255.255.255.0&D_002=192.168.0.1&D_007=0",
                                     "admin", "secret"));
    QCOMPARE(RawHttpClient::bodyOf(result.reply),
             QByteArray("D_000=192.168.0.30&D_001=255.255.255.0&D_002=192.168.0.1&D_006=Lobby&D_007=0&D_008=1"
                        "&D_009=8.8.8.8&D_010=4.4.4.4&D_011=1&D_012=0&D_013=230&D_015=5"));

    // Now the second clock answers at the factory address, the first at its new one.
    result = RawHttpClient::exchange(kShared, RawHttpClient::post("/D", "", "admin", ""));
    QVERIFY(RawHttpClient::bodyOf(result.reply).contains("&D_006=Workshop&"));
    result = RawHttpClient::exchange(kShared, RawHttpClient::post("/D", "", "admin", "secret"));
    QCOMPARE(result.reply, kUnauthorized);
    result = RawHttpClient::exchange("192.168.0.30", RawHttpClient::post("/D", "", "admin", "secret"));
    QVERIFY(RawHttpClient::bodyOf(result.reply).contains("&D_006=Lobby&"));
    QCOMPARE(m_control.clock(0).value("ip").toString(), QStringLiteral("192.168.0.30"));

    // Once the last clock has left, nothing listens at the factory address.
    result = RawHttpClient::exchange(kShared, RawHttpClient::post("/D0", "&D_000=192.168.0.31", "admin", ""));
    QCOMPARE(RawHttpClient::statusOf(result.reply), 200);
    result = RawHttpClient::exchange(kShared, RawHttpClient::post("/D", "", "admin", ""));
    QVERIFY(!result.connected);
    QCOMPARE(result.error, QAbstractSocket::ConnectionRefusedError);
    const QVector<QJsonObject> log = m_control.httpRequests();
    QCOMPARE(log.size(), 6);
    QCOMPARE(log.at(0).value("clock").toInt(), 0);
    QCOMPARE(log.at(2).value("clock").toInt(), 1);
    QCOMPARE(log.at(4).value("local").toString(), QStringLiteral("192.168.0.30"));
}

void TestClockSimHttp::refusalAtSharedAddress_data()
{
    QTest::addColumn<QByteArray>("faults");
    QTest::addColumn<QByteArray>("nextName");

    // The resolver's case: a clock that refuses its new address stays, and
    // the next request to the shared address must be able to reach another.
    QTest::newRow("refusing clock stays in front") << QByteArray("{\"wrongCredentials\":true,\"paths\":[\"/D0\"]}")
                                                   << QByteArray();
    QTest::newRow("refusing clock steps back")
        << QByteArray("{\"wrongCredentials\":true,\"paths\":[\"/D0\"],\"stepBackOnRefusal\":true}")
        << QByteArray("Workshop");
}

void TestClockSimHttp::refusalAtSharedAddress()
{
    QFETCH(QByteArray, faults);
    QFETCH(QByteArray, nextName);

    QVERIFY(m_control.setFaults(0, faultsFrom(faults)));
    auto result = RawHttpClient::exchange(kShared, RawHttpClient::post("/D0", "&D_000=192.168.0.12", "admin", "secret"));
    QCOMPARE(result.reply, kUnauthorized);
    QCOMPARE(m_control.clock(0).value("ip").toString(), kShared);
    // The second clock has an empty password; the first would refuse it.
    result = RawHttpClient::exchange(kShared, RawHttpClient::post("/D", "", "admin", ""));
    if (nextName.isEmpty())
        QCOMPARE(result.reply, kUnauthorized);
    else
        QVERIFY(RawHttpClient::bodyOf(result.reply).contains("&D_006=" + nextName + "&"));
}

void TestClockSimHttp::moveDelayLeavesClockUnreachable()
{
    QVERIFY(m_control.setFaults(kSpareIndex, faultsFrom("{\"moveDelayMs\":600000}")));
    auto result = postSpare("/D0", "&D_000=192.168.0.40");
    QCOMPARE(RawHttpClient::statusOf(result.reply), 200);
    QVERIFY(m_control.clock(kSpareIndex).value("moving").toBool());
    for (const QString& address : {kSpare, QStringLiteral("192.168.0.40")}) {
        result = RawHttpClient::exchange(address, RawHttpClient::post("/F", "", "admin", "admin"));
        QCOMPARE(result.error, QAbstractSocket::ConnectionRefusedError);
    }
    // A reset forgets the pending move.
    QVERIFY(m_control.reset());
    QCOMPARE(RawHttpClient::statusOf(postSpare("/F").reply), 200);
}

void TestClockSimHttp::faultStatus_data()
{
    QTest::addColumn<QByteArray>("faults");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("server error on a read") << QByteArray("{\"status\":500}") << QByteArray("/T1")
                                            << QByteArray("HTTP/1.1 500 Internal Server Error\r\nCONTENT-LENGTH: 0\r\n\r\n");
    QTest::newRow("unavailable, write not applied") << QByteArray("{\"status\":503}") << QByteArray("/A1")
                                                    << QByteArray("HTTP/1.1 503 Service Unavailable\r\nCONTENT-LENGTH: 0\r\n\r\n");
    QTest::newRow("real 404 status") << QByteArray("{\"status\":404}") << QByteArray("/F")
                                     << QByteArray("HTTP/1.1 404 Not Found\r\nCONTENT-LENGTH: 0\r\n\r\n");
    QTest::newRow("replaced body keeps a matching length")
        << QByteArray("{\"replyBody\":\"a&b&21.5\"}") << QByteArray("/T1") << ok200("a&b&21.5");
    QTest::newRow("raw reply with the usual length spelling")
        << QByteArray("{\"rawReply\":\"HTTP/1.1 200 OK\\r\\nContent-Length: 5\\r\\n\\r\\nabcde\"}")
        << QByteArray("/T1") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcde");
    QTest::newRow("raw reply that is not HTTP, write still applied")
        << QByteArray("{\"rawReply\":\"\\u00ffHELLO\"}") << QByteArray("/A1") << QByteArray("\xffHELLO");
    QTest::newRow("fault limited to another path") << QByteArray("{\"status\":500,\"paths\":[\"/T1\"]}")
                                                   << QByteArray("/A1") << ok200(QByteArray(kDefaultTime).replace("pool.ntp.org", "x"));
}

void TestClockSimHttp::faultStatus()
{
    QFETCH(QByteArray, faults);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, reply);

    QVERIFY(m_control.setFaults(kSpareIndex, faultsFrom(faults)));
    const auto result = postSpare(path, path == "/A1" ? QByteArray("&A_005=x") : QByteArray());
    QCOMPARE(result.reply, reply);
    const bool applied = RawHttpClient::statusOf(reply) == 200 || !reply.startsWith("HTTP");
    QCOMPARE(m_control.clock(kSpareIndex).value("time").toObject().value("A_005").toString(),
             applied && path == "/A1" ? QStringLiteral("x") : QStringLiteral("pool.ntp.org"));
}

void TestClockSimHttp::faultSilent()
{
    QVERIFY(m_control.setFaults(kSpareIndex, faultsFrom("{\"silent\":true}")));
    constexpr int kPatienceMs = 1500; // only bounds the wait for a reply that must not come
    const auto result = RawHttpClient::exchange(kSpare, RawHttpClient::post("/D0", "&D_000=192.168.0.42", "admin", "admin"),
                                                kPatienceMs);
    QVERIFY(result.connected);
    QVERIFY(!result.closedByPeer);
    QVERIFY(result.reply.isEmpty());
    const QVector<QJsonObject> log = m_control.httpRequests();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.first().value("delivery").toString(), QStringLiteral("silent"));
    QCOMPARE(m_control.clock(kSpareIndex).value("ip").toString(), kSpare); // nothing applied
}

void TestClockSimHttp::faultRefuse()
{
    auto result = RawHttpClient::exchange(kHidden, RawHttpClient::post("/F", "", "admin", "admin"));
    QCOMPARE(result.error, QAbstractSocket::ConnectionRefusedError);

    QVERIFY(m_control.setFaults(kSpareIndex, faultsFrom("{\"refuse\":true}")));
    result = postSpare("/F");
    QCOMPARE(result.error, QAbstractSocket::ConnectionRefusedError);
    QVERIFY(m_control.setFaults(kSpareIndex, QJsonObject()));
    QCOMPARE(RawHttpClient::statusOf(postSpare("/F").reply), 200);
    QVERIFY(m_control.httpRequests().size() == 1);
}

void TestClockSimHttp::faultSlowDelivery_data()
{
    QTest::addColumn<QByteArray>("faults");
    QTest::addColumn<int>("atLeastMs");
    QTest::addColumn<int>("pieces");

    QTest::newRow("trickle in three pieces") << QByteArray("{\"trickleGapMs\":400,\"tricklePieces\":3}") << 800 << 3;
    QTest::newRow("trickle in two pieces") << QByteArray("{\"trickleGapMs\":600,\"tricklePieces\":2}") << 600 << 2;
    QTest::newRow("delay before the first byte") << QByteArray("{\"delayMs\":700}") << 700 << 1;
}

void TestClockSimHttp::faultSlowDelivery()
{
    QFETCH(QByteArray, faults);
    QFETCH(int, atLeastMs);
    QFETCH(int, pieces);

    const QByteArray normal = postSpare("/F").reply;
    QVERIFY(m_control.setFaults(kSpareIndex, faultsFrom(faults)));
    QElapsedTimer timer;
    timer.start();
    const auto result = postSpare("/F");
    // A lower bound only: a busy machine can make delivery slower, never faster.
    QVERIFY2(timer.elapsed() >= atLeastMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(result.reply, normal);
    QVERIFY(result.reads >= 1);
    const QJsonObject entry = m_control.httpRequests().last();
    QCOMPARE(entry.value("delivery").toString(), pieces > 1 ? QStringLiteral("trickle") : QStringLiteral("normal"));
}

void TestClockSimHttp::faultDropOnNetworkWrite()
{
    QVERIFY(m_control.setFaults(kSpareIndex, faultsFrom("{\"dropOnNetworkWrite\":true}")));
    const auto firmware = postSpare("/F");
    QCOMPARE(RawHttpClient::statusOf(firmware.reply), 200); // other paths still answer
    const auto result = postSpare("/D0", "&D_000=192.168.0.41&D_001=255.255.255.0&D_002=192.168.0.1&D_007=0");
    QVERIFY(result.connected);
    QVERIFY(result.closedByPeer);
    QVERIFY(result.reply.isEmpty());
    QCOMPARE(m_control.clock(kSpareIndex).value("ip").toString(), QStringLiteral("192.168.0.41"));
    const auto moved = RawHttpClient::exchange("192.168.0.41", RawHttpClient::post("/F", "", "admin", "admin"));
    QCOMPARE(moved.reply, firmware.reply);
    QCOMPARE(m_control.httpRequests().at(1).value("delivery").toString(), QStringLiteral("drop"));
}

void TestClockSimHttp::faultEndless()
{
    QVERIFY(m_control.setFaults(kSpareIndex, faultsFrom("{\"endless\":true}")));
    constexpr qint64 kEnough = 8 * 1024 * 1024;
    const auto result = RawHttpClient::exchange(kSpare, RawHttpClient::post("/T1", "", "admin", "admin"), 60000, kEnough);
    QVERIFY(result.reply.size() >= kEnough);
    QVERIFY(result.reply.startsWith("HTTP/1.1 200 OK\r\n\r\nxxxx"));
    QVERIFY(!result.closedByPeer);
    // The simulator is still well after the peer hung up.
    QCOMPARE(RawHttpClient::statusOf(RawHttpClient::exchange(kHall, RawHttpClient::post("/F", "", "op", "pässword")).reply),
             200);
}

void TestClockSimHttp::malformedRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    const QByteArray badRequest = "HTTP/1.1 400 Bad Request\r\nCONTENT-LENGTH: 0\r\n\r\n";
    const QByteArray tooLarge = "HTTP/1.1 413 Payload Too Large\r\nCONTENT-LENGTH: 0\r\n\r\n";
    const QByteArray auth = "Authorization: Basic YWRtaW46YWRtaW4=\r\n";
    QTest::newRow("request line without version") << QByteArray("POST /F\r\n" + auth + "\r\n") << badRequest;
    QTest::newRow("header line without colon") << QByteArray("POST /F HTTP/1.1\r\nBroken\r\n\r\n") << badRequest;
    QTest::newRow("length not a number") << QByteArray("POST /F HTTP/1.1\r\n" + auth + "Content-Length: 12a\r\n\r\n")
                                         << badRequest;
    QTest::newRow("announced body over 64 KiB")
        << QByteArray("POST /C0 HTTP/1.1\r\n" + auth + "Content-Length: 70000\r\n\r\n") << tooLarge;
    QTest::newRow("head over 8 KiB") << QByteArray("POST /F HTTP/1.1\r\nX-Filler: " + QByteArray(9000, 'a'))
                                     << tooLarge;
    QTest::newRow("GET instead of POST")
        << QByteArray("GET /F HTTP/1.1\r\n" + auth + "\r\n")
        << QByteArray("HTTP/1.1 405 Method Not Allowed\r\nCONTENT-LENGTH: 0\r\n\r\n");
}

void TestClockSimHttp::malformedRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);

    const auto result = RawHttpClient::exchange(kSpare, request);
    QVERIFY(result.closedByPeer);
    QCOMPARE(result.reply, reply);
    QCOMPARE(m_control.httpRequests().size(), 1);
}

void TestClockSimHttp::requestLogHoldsExactBytes_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("trailer");
    QTest::addColumn<QString>("path");

    QTest::newRow("form body with doubled separator")
        << RawHttpClient::post("/A1", "&A_005=a&&A_006=b", "admin", "admin") << QByteArray() << "/A1";
    QTest::newRow("binary body to an unknown page")
        << RawHttpClient::post("/X", QByteArray("\x00\xff\r\n&=%21\x80", 9), "admin", "admin") << QByteArray() << "/X";
    QTest::newRow("empty body") << RawHttpClient::post("/D", "", "admin", "admin") << QByteArray() << "/D";
    QTest::newRow("bytes after the declared body are not part of it")
        << RawHttpClient::post("/F", "ab", "admin", "admin") << QByteArray("POST /T1 HTTP/1.1\r\n\r\n") << "/F";
}

void TestClockSimHttp::requestLogHoldsExactBytes()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, trailer);
    QFETCH(QString, path);

    const auto result = RawHttpClient::exchange(kSpare, request + trailer);
    QVERIFY(result.closedByPeer);
    const QVector<QJsonObject> log = m_control.httpRequests();
    QCOMPARE(log.size(), 1);
    const QJsonObject entry = log.first();
    QCOMPARE(ClockSimControl::requestBytes(entry), request);
    QCOMPARE(entry.value("path").toString(), path);
    QCOMPARE(entry.value("clock").toInt(), kSpareIndex);
    QCOMPARE(entry.value("local").toString(), kSpare);
    QVERIFY(entry.value("peer").toString().startsWith(ClockSimControl::pcAddress() + QLatin1Char(':')));
    QVERIFY(QDateTime::fromString(entry.value("time").toString(), Qt::ISODateWithMs).isValid());
}

QTEST_GUILESS_MAIN(TestClockSimHttp)
#include "tst_clocksim_http.moc"
