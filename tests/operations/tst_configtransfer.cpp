#include "model/ClockConfig.h"
#include "operations/Communication.h"
#include "model/ConfigCodes.h"
#include "model/DevClock.h"
#include "operations/GetConfigurationSender.h"
#include "tests/operations/OperationsTestSupport.h"
#include "tests/support/SampleConfig.h"
#include "operations/SetConfigurationSender.h"
#include "tests/support/TestRows.h"
#include "transport/HttpExchange.h"

#include <QtTest>

using namespace OperationsTestSupport;

namespace {

const QString Failing = QStringLiteral("192.168.0.30");
const QString Two = QStringLiteral("192.168.0.31");
const QString Three = QStringLiteral("192.168.0.32");

std::unique_ptr<ClockConfig> downloadedConfig(DataSender *sender)
{
    return ClockConfig::copy(static_cast<GetConfigurationSender *>(sender)->downloadedClock()->config());
}

} // namespace

class TestConfigTransfer : public SimulatorSuite
{
    Q_OBJECT

private slots:
    void uploadToAGroupThenDownloadFromEachGoodClock();
    void uploadToAClockThatDoesNotAnswerFails();
    void uploadRefusedBeforeSending_data() { TestRows::add(QStringLiteral("operations/senders.rows")); }
    void uploadRefusedBeforeSending();
    void downloadEndsAtTheFirstFailingPart_data() { TestRows::add(QStringLiteral("operations/senders.rows")); }
    void downloadEndsAtTheFirstFailingPart();
};

void TestConfigTransfer::uploadToAGroupThenDownloadFromEachGoodClock()
{
    ClockConfig config;
    SampleConfig::fill(config, 1);
    config.Server3 = QStringLiteral("ntp3.example"); // the sample's own holds an "&"
    // Firmware 3.00 takes the alarms, longer than a segment, as head, pause, body.
    SenderTarget three = target(Three);
    three.device.firmware = 300;
    // Handed a temporary: the sender must keep a copy of its own.
    SetConfigurationSender *upload =
        m_exchanges.setConfiguration(*ClockConfig::copy(config), {target(Failing), target(Two), three});
    QVector<bool> succeeded;
    EndSpy spy(upload, [&](DataSender *s) { succeeded = static_cast<SetConfigurationSender *>(s)->succeeded(); });
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    QCOMPARE(succeeded, QVector<bool>({false, true, true}));
    QCOMPARE(spy.errorCode, NoError);
    QCOMPARE(spy.progressTexts(), QStringList({"0.11", "0.22", "0.33", "0.495", "0.66", "0.825", "0.99", "1"}));

    const QVector<QJsonObject> requests = m_sim.httpRequests();
    // A stage's clocks are written in parallel, the stages one after another.
    QStringList logged = loggedRequests(m_sim);
    QCOMPARE(logged.size(), 7);
    std::sort(logged.begin(), logged.begin() + 3);
    std::sort(logged.begin() + 3, logged.begin() + 5);
    std::sort(logged.begin() + 5, logged.end());
    QCOMPARE(logged, QStringList({"/A1@" + Failing, "/A1@" + Two, "/A1@" + Three, "/B0@" + Two, "/B0@" + Three,
                                  "/C0@" + Two, "/C0@" + Three}));
    const QByteArray bodies[] = {encodeTimeConfig(config), encodeDisplayConfig(config), encodeAlarmConfig(config)};
    const QByteArray paths[] = {"/A1", "/B0", "/C0"};
    for (int i = 0; i < requests.size(); ++i) {
        const int stage = i < 3 ? 0 : (i - 1) / 2;
        QCOMPARE(ClockSimControl::requestBytes(requests.at(i)),
                 expectedRequest(paths[stage], "admin", "pw", bodies[stage]));
    }
    QVERIFY(bodies[2].size() > HttpExchange::splitPayloadSize);

    for (const QString &ip : {Two, Three}) {
        GetConfigurationSender *download = m_exchanges.getConfiguration(target(ip));
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
    SetConfigurationSender *upload = m_exchanges.setConfiguration(config, {target(Two)});
    QVector<bool> succeeded;
    EndSpy spy(upload, [&](DataSender *s) { succeeded = static_cast<SetConfigurationSender *>(s)->succeeded(); });
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QCOMPARE(spy.result, int(DataSender::Failed));
    QCOMPARE(spy.errorCode, NoError);
    QCOMPARE(succeeded, QVector<bool>({false}));
    QCOMPARE(spy.progressTexts(), QStringList{"0.33"});
}

void TestConfigTransfer::uploadRefusedBeforeSending()
{
    QFETCH(bool, toClocks);
    QFETCH(QString, server3);
    QFETCH(QString, refused);
    ClockConfig config;
    SampleConfig::fill(config, 1);
    config.Server3 = server3;
    const QList<SenderTarget> targets =
        toClocks ? QList<SenderTarget>{target(Two), target(Three)} : QList<SenderTarget>();
    QString field;
    EndSpy spy(m_exchanges.setConfiguration(config, targets),
               [&](DataSender *s) { field = static_cast<SetConfigurationSender *>(s)->refusedField(); });
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QCOMPARE(field, refused);
    if (!refused.isEmpty())
        QCOMPARE(spy.errorCode, IncorrectData);
    QVERIFY(spy.progressTexts().isEmpty());
    QVERIFY(m_sim.httpRequests().isEmpty());
}

// Nothing after the failing part is asked, and nothing of it is left marked
// loaded for the window or the command line to store.
void TestConfigTransfer::downloadEndsAtTheFirstFailingPart()
{
    QFETCH(QJsonObject, faults);
    QFETCH(int, error);
    QFETCH(QString, part);
    QFETCH(QStringList, paths);
    QVERIFY(m_sim.setFaults(1, faults));
    GetConfigurationSender *download = m_exchanges.getConfiguration(target(Two));
    std::unique_ptr<ClockConfig> downloaded;
    ConfigPart unread = ConfigPart::None;
    EndSpy spy(download, [&](DataSender *s) {
        downloaded = downloadedConfig(s);
        unread = static_cast<GetConfigurationSender *>(s)->unreadPart();
    });
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QCOMPARE(spy.errorCode, Error(error));
    QCOMPARE(ConfigParts::name(unread), part);
    QCOMPARE(spy.progressTexts().size(), paths.size() - 1);
    QVERIFY(!downloaded->loaded);
    QCOMPARE(loggedPaths(m_sim), paths);
}

QTEST_GUILESS_MAIN(TestConfigTransfer)
#include "tst_configtransfer.moc"
