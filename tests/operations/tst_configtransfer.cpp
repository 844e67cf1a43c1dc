#include "ClockConfig.h"
#include "Communication.h"
#include "ConfigCodes.h"
#include "DevClock.h"
#include "GetConfigurationSender.h"
#include "OperationsTestSupport.h"
#include "SetConfigurationSender.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace OperationsTestSupport;

namespace {

const QString Failing = QStringLiteral("192.168.0.30");
const QString Two = QStringLiteral("192.168.0.31");
const QString Three = QStringLiteral("192.168.0.32");

void fillConfig(ClockConfig &c)
{
    c.Localization = 5;
    c.TimeZoneActive = true;
    c.TimeZone = 15;
    c.DaylightSaving = true;
    c.SummerTimeStartTime = QTime(2, 0);
    c.SummerTimeEndTime = QTime(3, 0);
    c.SummerTimeStartDate = 4;
    c.SummerTimeEndDate = 4;
    c.SummerTimeStartDay = 6;
    c.SummerTimeEndDay = 6;
    c.SummerTimeStartMonth = 2;
    c.SummerTimeEndMonth = 9;
    c.QueryInterval = 3;
    c.Mode = 2;
    c.Server1 = "ntp1.example";
    c.Server2 = "10.0.0.1";
    c.Server5 = "time";
    c.MasterMode = true;
    c.ShowTime = true;
    c.ShowTemp = true;
    c.DurationTime = 12;
    c.DurationTemp = 3;
    c.DurationDate = 4;
    c.FormatDate = 2;
    c.FormatTime = 1;
    c.TimeLeadingZeros = true;
    c.BlinkingTimeColon = true;
    c.Brightness = 10;
    c.BrightnessProfile = 3;
    c.TemperatureUnit = 1;
    c.TemperatureOffset = true;
    c.TemperatureOffsetValue = -0.5f;
    c.Synchronization = true;
    c.SynchronizationMode = 1;
    c.MasterIP = "192.168.1.20";
    c.EcoMode = true;
    c.EcoStart = QTime(22, 30);
    c.EcoEnd = QTime(6, 15);
    c.typeface = 1;
    for (int i = 0; i < alarmCount; i += 7) {
        Alarm &alarm = c.alarms[i];
        alarm.Active = true;
        alarm.Time = QTime(6, i);
        alarm.Duration = 10 + i;
        alarm.SelectedDaysMode = i % 2 == 0;
        alarm.setDayMask(0x45 + i);
    }
    c.loaded = true;
}

std::unique_ptr<ClockConfig> downloadedConfig(DataSender *sender)
{
    return ClockConfig::copy(static_cast<GetConfigurationSender *>(sender)->downloadedClock()->config());
}

bool fuzzyEqual(const QVector<double> &actual, const QVector<double> &expected)
{
    if (actual.size() != expected.size())
        return false;
    for (int i = 0; i < actual.size(); ++i) {
        if (!qFuzzyCompare(actual.at(i), expected.at(i)))
            return false;
    }
    return true;
}

QString text(const QVector<double> &values)
{
    QStringList parts;
    for (double value : values)
        parts << QString::number(value);
    return parts.join(", ");
}

// Answers /A, /B and /C0 with fixed replies. Only for the short "/B" reply,
// which the simulator never gives.
class ScriptedClock : public QObject
{
public:
    QMap<QByteArray, QByteArray> bodies;

    bool listen(const QHostAddress &address) { return m_server.listen(address, 80); }

    ScriptedClock()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray path = buffer.split(' ').value(1);
        const QByteArray body = bodies.value(path);
        socket->write("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
        m_buffers.remove(socket);
    }

    QTcpServer m_server;
    QMap<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace

class TestConfigTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void uploadToAGroupThenDownloadFromEachGoodClock();
    void uploadToAClockThatDoesNotAnswerFails();
    void uploadToNoClockFailsAtOnce();
    void downloadFailingInItsSecondStepEndsWithItsKind();
    void downloadWithAShortDisplayReplyStillFinishes();

private:
    ClockSimControl m_sim;
};

void TestConfigTransfer::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestConfigTransfer::init()
{
    QVERIFY2(m_sim.reset(), qPrintable(m_sim.lastError()));
    QVERIFY2(m_sim.clearLog(), qPrintable(m_sim.lastError()));
}

void TestConfigTransfer::uploadToAGroupThenDownloadFromEachGoodClock()
{
    ClockConfig config;
    fillConfig(config);
    // Handed a temporary: the sender must keep a copy of its own.
    SetConfigurationSender *upload = Communication::instance()->setConfiguration(
        *ClockConfig::copy(config), {target(Failing), target(Two), target(Three)});
    QVector<bool> succeeded;
    EndSpy spy(upload, [&](DataSender *s) { succeeded = static_cast<SetConfigurationSender *>(s)->succeeded(); });
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    QCOMPARE(succeeded, QVector<bool>({false, true, true}));
    QCOMPARE(spy.errorCode, NoError);
    const QVector<double> expected = {0.11, 0.22, 0.33, 0.495, 0.66, 0.825, 0.99, 1.0};
    QVERIFY2(fuzzyEqual(spy.progressValues(), expected), qPrintable(text(spy.progressValues())));

    const QVector<QJsonObject> requests = m_sim.httpRequests();
    QCOMPARE(loggedRequests(m_sim), QStringList({"/A1@" + Failing, "/A1@" + Two, "/A1@" + Three, "/B0@" + Two,
                                                 "/B0@" + Three, "/C0@" + Two, "/C0@" + Three}));
    const QByteArray bodies[] = {encodeTimeConfig(config), encodeDisplayConfig(config), encodeAlarmConfig(config)};
    const QByteArray paths[] = {"/A1", "/B0", "/C0"};
    for (int i = 0; i < requests.size(); ++i) {
        const int stage = i < 3 ? 0 : (i - 1) / 2;
        QCOMPARE(ClockSimControl::requestBytes(requests.at(i)),
                 expectedRequest(paths[stage], "admin", "pw", bodies[stage]));
    }

    for (const QString &ip : {Two, Three}) {
        GetConfigurationSender *download = Communication::instance()->getConfiguration(target(ip));
        std::unique_ptr<ClockConfig> downloaded;
        EndSpy downloadSpy(download, [&](DataSender *s) { downloaded = downloadedConfig(s); });
        QVERIFY(downloadSpy.ended());
        QCOMPARE(downloadSpy.finished.count(), 1);
        const ClockConfig &read = *downloaded;
        // The bodies name the code of any field that came back different.
        QCOMPARE(encodeTimeConfig(read), encodeTimeConfig(config));
        QCOMPARE(encodeDisplayConfig(read), encodeDisplayConfig(config));
        QCOMPARE(encodeAlarmConfig(read), encodeAlarmConfig(config));
        QVERIFY(read.sameContent(config));
    }
}

void TestConfigTransfer::uploadToAClockThatDoesNotAnswerFails()
{
    QVERIFY(m_sim.setFaults(1, QJsonObject{{"refuse", true}}));
    ClockConfig config;
    SetConfigurationSender *upload = Communication::instance()->setConfiguration(config, {target(Two)});
    QVector<bool> succeeded;
    EndSpy spy(upload, [&](DataSender *s) { succeeded = static_cast<SetConfigurationSender *>(s)->succeeded(); });
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QCOMPARE(spy.result, int(DataSender::Failed));
    QCOMPARE(spy.errorCode, NoError);
    QCOMPARE(succeeded, QVector<bool>({false}));
    QVERIFY2(fuzzyEqual(spy.progressValues(), {0.33}), qPrintable(text(spy.progressValues())));
}

void TestConfigTransfer::uploadToNoClockFailsAtOnce()
{
    ClockConfig config;
    SetConfigurationSender *upload = Communication::instance()->setConfiguration(config, {});
    EndSpy spy(upload);
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QVERIFY(spy.progressValues().isEmpty());
    QVERIFY(m_sim.httpRequests().isEmpty());
}

void TestConfigTransfer::downloadFailingInItsSecondStepEndsWithItsKind()
{
    QVERIFY(m_sim.setFaults(1, QJsonObject{{"wrongCredentials", true}, {"paths", QJsonArray{"/B"}}}));
    GetConfigurationSender *download = Communication::instance()->getConfiguration(target(Two));
    std::unique_ptr<ClockConfig> downloaded;
    EndSpy spy(download, [&](DataSender *s) { downloaded = downloadedConfig(s); });
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QCOMPARE(spy.errorCode, AuthorizationError);
    QCOMPARE(spy.progressValues(), QVector<double>({0.33}));
    QVERIFY(!downloaded->loaded);
    QCOMPARE(loggedPaths(m_sim), QStringList({"/A", "/B"}));
}

void TestConfigTransfer::downloadWithAShortDisplayReplyStillFinishes()
{
    ScriptedClock clock;
    QVERIFY(clock.listen(QHostAddress("127.0.0.7")));
    clock.bodies["/A"] = "A_002=2&A_003=16&A_004=1&A_005=ntp&A_006=&A_007=&A_008=&A_009=&A_010=0&A_013=1&A_014=1"
                         "&A_015=4";
    // 18 pairs: one short of a display reply.
    clock.bodies["/B"] = "B_000=1&B_001=9&B_002=1&B_003=9&B_004=3&B_005=1&B_006=9&B_007=5&B_008=2&B_009=1"
                         "&B_010=01:00&B_011=02:00&B_014=1&B_015=+1.0&B_016=1&B_017=1&B_018=1.2.3.4&B_021=1";
    QByteArray alarms = "30";
    for (int slot = 0; slot < alarmCount; ++slot)
        alarms += slot == 3 ? "&1&07:45&30&Selected days&65&0&0&0" : "&0&00:00&0&All days&0&0&0&0";
    clock.bodies["/C0"] = alarms;

    GetConfigurationSender *download = Communication::instance()->getConfiguration(target("127.0.0.7"));
    std::unique_ptr<ClockConfig> downloaded;
    EndSpy spy(download, [&](DataSender *s) { downloaded = downloadedConfig(s); });
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    const ClockConfig &read = *downloaded;
    const ClockConfig defaults;
    QCOMPARE(read.TimeZone, 16);
    QCOMPARE(read.QueryInterval, 4);
    QCOMPARE(encodeDisplayConfig(read), encodeDisplayConfig(defaults));
    QVERIFY(read.loaded);
    QCOMPARE(read.alarms[3].Active, true);
    QCOMPARE(read.alarms[3].Time, QTime(7, 45));
    QCOMPARE(read.alarms[3].Duration, 30);
    QCOMPARE(read.alarms[3].SelectedDaysMode, true);
    QCOMPARE(read.alarms[3].dayMask(), 65);
}

QTEST_GUILESS_MAIN(TestConfigTransfer)
#include "tst_configtransfer.moc"
