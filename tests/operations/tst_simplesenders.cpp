#include "model/ClockConfig.h"
#include "model/ClockNetworkSettings.h"
#include "operations/Communication.h"
#include "operations/GetConfigurationSender.h"
#include "operations/GetStatusSender.h"
#include "tests/operations/OperationsTestSupport.h"
#include "tests/support/TestRows.h"
#include "operations/RefreshStatusSender.h"
#include "operations/SetConfigurationSender.h"
#include "operations/SetNetworkSender.h"
#include "operations/SimpleSender.h"
#include "model/DevClock.h"
#include "transport/WorkerThreadPool.h"

#include <QtTest>

using namespace OperationsTestSupport;

namespace {

const QString Hall = QStringLiteral("192.168.0.20");
const QString Refusing = QStringLiteral("192.168.0.21");
const QString Gym = QStringLiteral("192.168.0.22");
const QString Dropping = QStringLiteral("192.168.0.23");

} // namespace

class TestSimpleSenders : public SimulatorSuite
{
    Q_OBJECT

private slots:
    void secondOfThreeTargetsFails();
    void singleCommands_data() { TestRows::add(QStringLiteral("operations/senders.rows")); }
    void singleCommands();
    void operationsOnOneClockFollowEachOther();
    void pollOfAClockInAnUploadWaitsForIt();
    void cancelingARunningDownloadEndsIt();
    void refreshWhoseSecondExchangeFailsEndsWithError();
    void refreshReadsFirmwareNetworkAndStatus();
    void cancelingASimpleSenderDropsTheOtherResults();
};

void TestSimpleSenders::secondOfThreeTargetsFails()
{
    GetStatusSender *sender = m_exchanges.getStatus({target(Hall), target(Refusing), target(Gym)});
    QVector<bool> succeeded;
    QVector<Error> errors;
    QVector<QByteArray> replies;
    EndSpy spy(sender, [&](DataSender *s) {
        auto *status = static_cast<GetStatusSender *>(s);
        succeeded = status->succeeded();
        errors = status->errors();
        replies = status->replies();
    });
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    QCOMPARE(spy.progressTexts(), QStringList({"0.333333", "0.666667", "1"}));
    QCOMPARE(spy.result, int(DataSender::Failed));
    QCOMPARE(spy.errorCode, NoError);
    QCOMPARE(succeeded, QVector<bool>({true, false, true}));
    QCOMPARE(errors, QVector<Error>({NoError, AuthorizationError, NoError}));
    QVERIFY(replies.at(0).startsWith("HTTP/1.1 200"));
    QVERIFY(replies.at(1).isEmpty() || replies.at(1).startsWith("HTTP/1.1 401"));
    QStringList requests = loggedRequests(m_sim);
    requests.sort();
    QCOMPARE(requests, QStringList({"/T1@" + Hall, "/T1@" + Refusing, "/T1@" + Gym}));
}

void TestSimpleSenders::singleCommands()
{
    QFETCH(QString, operation);
    QFETCH(QString, ip);
    QFETCH(QString, argument1);
    QFETCH(QString, argument2);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, body);
    QFETCH(int, result);
    QFETCH(int, error);
    QFETCH(QString, delivery);

    Communication *communication = &m_exchanges;
    SimpleSender *sender = nullptr;
    if (operation == "name") {
        sender = communication->setName(target(ip), argument1);
    } else if (operation == "password") {
        sender = communication->setPassword(target(ip), argument1, argument2);
    } else {
        ClockNetworkSettings settings;
        settings.DHCP = true;
        sender = communication->setNetwork(target(ip), settings);
    }
    QVector<Error> errors;
    EndSpy spy(sender, [&](DataSender *s) { errors = static_cast<SimpleSender *>(s)->errors(); });
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    QCOMPARE(spy.result, result);
    QCOMPARE(spy.errorCode, NoError);
    QCOMPARE(int(errors.value(0, NoError)), error);

    const QVector<QJsonObject> requests = m_sim.httpRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).value("local").toString(), ip);
    QCOMPARE(ClockSimControl::requestBytes(requests.at(0)), expectedRequest(path, "admin", "pw", body));
    QCOMPARE(requests.at(0).value("delivery").toString(), delivery);
}

void TestSimpleSenders::operationsOnOneClockFollowEachOther()
{
    // Created back to back for one clock: the clock hears all of the first
    // before any of the second, although they run side by side.
    Communication *communication = &m_exchanges;
    GetConfigurationSender *download = communication->getConfiguration(target(Hall));
    RefreshStatusSender *refresh = communication->refreshStatus(target(Hall));
    EndSpy downloadSpy(download);
    EndSpy refreshSpy(refresh);
    QVERIFY(refreshSpy.ended());
    QVERIFY(downloadSpy.ended());
    QCOMPARE(downloadSpy.finished.count(), 1);
    QCOMPARE(refreshSpy.finished.count(), 1);
    QCOMPARE(loggedRequests(m_sim), QStringList({"/A@" + Hall, "/B@" + Hall, "/C0@" + Hall, "/F@" + Hall,
                                                 "/D@" + Hall, "/T1@" + Hall}));
}

void TestSimpleSenders::pollOfAClockInAnUploadWaitsForIt()
{
    Communication *communication = &m_exchanges;
    ClockConfig config;
    SetConfigurationSender *upload = communication->setConfiguration(config, {target(Hall), target(Gym)});
    EndSpy uploadSpy(upload);
    // Created once the upload is under way.
    QVERIFY(uploadSpy.progress.wait(5000));
    GetStatusSender *poll = communication->getStatus({target(Hall)});
    poll->setLane(ExchangeLane::Poll);
    EndSpy pollSpy(poll);
    QVERIFY(pollSpy.ended());
    QVERIFY(uploadSpy.ended());
    QCOMPARE(uploadSpy.finished.count(), 1);
    QStringList atHall = loggedRequests(m_sim).filter("@" + Hall);
    QCOMPARE(atHall, QStringList({"/A1@" + Hall, "/B0@" + Hall, "/C0@" + Hall, "/T1@" + Hall}));
}

void TestSimpleSenders::cancelingARunningDownloadEndsIt()
{
    Communication *communication = &m_exchanges;
    GetConfigurationSender *download = communication->getConfiguration(target(Hall));
    EndSpy spy(download);
    QVERIFY(spy.progress.wait(5000));
    QVERIFY(communication->cancel(download));
    QCOMPARE(spy.canceled.count(), 1);
    QVERIFY(m_exchanges.workers().waitForDone(10000));
    QCoreApplication::processEvents();
    QCOMPARE(spy.finished.count(), 0);
    QCOMPARE(spy.progressTexts(), QStringList({"0.33"}));
    // The step already asked for may have gone out; nothing after it.
    QVERIFY(!loggedPaths(m_sim).contains("/C0"));
}

void TestSimpleSenders::refreshWhoseSecondExchangeFailsEndsWithError()
{
    QVERIFY(m_sim.setFaults(2, QJsonObject{{"status", 500}, {"paths", QJsonArray{"/D"}}}));
    RefreshStatusSender *refresh = m_exchanges.refreshStatus(target(Gym));
    EndSpy spy(refresh);
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QCOMPARE(spy.errorCode, ConnectionError);
    QCOMPARE(spy.result, int(DataSender::Failed));
    QCOMPARE(spy.progressTexts(), QStringList{"0.33"});
    QCOMPARE(loggedPaths(m_sim), QStringList({"/F", "/D"}));
}

void TestSimpleSenders::refreshReadsFirmwareNetworkAndStatus()
{
    QVERIFY(m_sim.setFaults(2, QJsonObject{{"ntpWord", "timeout"}}));
    RefreshStatusSender *refresh = m_exchanges.refreshStatus(target(Gym, "admin", "pw", 42));
    QStringList read; // firmware, name, user, NTP state, clock id
    EndSpy spy(refresh, [&](DataSender *s) {
        const DevClock *clock = static_cast<RefreshStatusSender *>(s)->refreshedClock();
        read << QString::number(clock->firmware) << clock->name << clock->user
             << QString::number(clock->status.NtpSynchronization) << QString::number(s->clockId(0));
    });
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    QCOMPARE(spy.progressTexts(), QStringList({"0.33", "0.66", "1"}));
    QCOMPARE(read, QStringList({"305", "Gym", "admin", QString::number(NtpTimeout), "42"}));
}

void TestSimpleSenders::cancelingASimpleSenderDropsTheOtherResults()
{
    Communication *communication = &m_exchanges;
    GetStatusSender *sender = communication->getStatus({target(Hall), target(Gym), target(Hall)});
    connect(sender, &DataSender::updateProgress, sender, [this, sender] { m_exchanges.cancel(sender); });
    EndSpy spy(sender);
    QVERIFY(spy.ended());
    QCOMPARE(spy.canceled.count(), 1);
    QCOMPARE(spy.result, int(DataSender::Canceled));
    QCOMPARE(spy.progressTexts(), QStringList{"0.333333"});
}

QTEST_GUILESS_MAIN(TestSimpleSenders)
#include "tst_simplesenders.moc"
