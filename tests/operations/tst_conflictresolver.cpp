#include "operations/Communication.h"
#include "operations/ConflictResolver.h"
#include "tests/operations/OperationsTestSupport.h"
#include "tests/support/TestRows.h"

#include <QtTest>

using namespace OperationsTestSupport;

namespace {

const int ShortPauseMs = 200;

QByteArray addressBody(const QString &ip)
{
    return "&D_000=" + ip.toUtf8() + "&D_001=255.255.255.0&D_002=192.168.0.1&D_007=0";
}

} // namespace

class TestConflictResolver : public SimulatorSuite
{
    Q_OBJECT

private slots:
    void resolve_data() { TestRows::add(QStringLiteral("operations/units.rows")); }
    void resolve();
    void cancelDuringThePauseStopsBeforeTheNextClock();
    void malformedFirstMacSendsNothing();
};

void TestConflictResolver::resolve()
{
    QFETCH(QString, firstIp);
    QFETCH(QString, firstMac);
    QFETCH(bool, secondRefusesOnce);
    QFETCH(bool, nothingAtFactoryAddress);
    QFETCH(QStringList, addressesSent);
    QFETCH(QStringList, macsSent);
    QFETCH(int, found);
    QFETCH(int, changed);
    QFETCH(int, unaddressed);

    if (nothingAtFactoryAddress) {
        for (int clock = 0; clock < 3; ++clock)
            QVERIFY(m_sim.setFaults(clock, QJsonObject{{"noDiscovery", true}}));
    }
    // Several clocks share 192.168.0.11 and the first of them answers; a clock
    // that refused steps back, so the third request finds a willing clock.
    if (secondRefusesOnce)
        QVERIFY(m_sim.setFaults(1, QJsonObject{{"wrongCredentials", true}, {"stepBackOnRefusal", true}}));

    ConflictResolver *resolver =
        m_exchanges.resolveConflicts("admin", "pw", firstIp, firstMac);
    resolver->setPauseMs(ShortPauseMs);
    int foundCount = -1;
    int changedCount = -1;
    int unaddressedCount = -1;
    QStringList readdressed;
    EndSpy spy(resolver, [&](DataSender *s) {
        for (const ClockIntake::Readdressed &clock : static_cast<ConflictResolver *>(s)->readdressed()) {
            QVERIFY(!clock.oldMac.isEmpty());
            readdressed << (!clock.addressed ? QStringLiteral("unaddressed")
                            : !clock.addressTaken ? QStringLiteral("refused")
                            : clock.macTaken ? clock.newIp : clock.newIp + QStringLiteral(" kept its MAC"));
        }
        foundCount = static_cast<ConflictResolver *>(s)->foundCount();
        changedCount = static_cast<ConflictResolver *>(s)->changedCount();
        unaddressedCount = static_cast<ConflictResolver *>(s)->unaddressedCount();
    });
    QVERIFY(spy.ended(30000));
    QCOMPARE(spy.finished.count(), 1);
    QCOMPARE(foundCount, found);
    QCOMPARE(changedCount, changed);
    QCOMPARE(unaddressedCount, unaddressed);
    readdressed.sort();
    QTEST(readdressed, "readdressed");
    QCOMPARE(spy.progressTexts().last(), QString(found ? "0.99" : "0.33"));

    QStringList addresses;
    QStringList macs;
    for (const QJsonObject &request : m_sim.httpRequests()) {
        const QByteArray bytes = ClockSimControl::requestBytes(request);
        const QString path = request.value("path").toString();
        const QByteArray body = QByteArray::fromBase64(request.value("body").toString().toLatin1());
        QCOMPARE(bytes, expectedRequest(path.toLatin1(), "admin", "pw", body));
        if (path == "/D0") {
            QCOMPARE(request.value("local").toString(), QString("192.168.0.11"));
            const QString ip = QString::fromUtf8(body.mid(7, body.indexOf("&D_001") - 7));
            QCOMPARE(body, addressBody(ip));
            addresses << ip;
        } else {
            QCOMPARE(path, QString("/E0"));
            QVERIFY(body.startsWith("&E_000="));
            macs << QString::fromUtf8(body.mid(7)) + '@' + request.value("local").toString();
        }
    }
    QCOMPARE(addresses, addressesSent);
    // The new MACs go to the readdressed clocks in parallel, each to its own.
    macs.sort();
    QCOMPARE(macs, macsSent);
}

void TestConflictResolver::cancelDuringThePauseStopsBeforeTheNextClock()
{
    ConflictResolver *resolver =
        m_exchanges.resolveConflicts("admin", "pw", "192.168.0.12", "02-A7-3C-DC-00-00");
    resolver->setPauseMs(ShortPauseMs);
    connect(resolver, &DataSender::updateProgress, resolver, [this, resolver](double progress) {
        if (progress > 0.33)
            m_exchanges.cancel(resolver);
    });
    EndSpy spy(resolver);
    QVERIFY(spy.ended(30000));
    QCOMPARE(spy.canceled.count(), 1);
    QCOMPARE(spy.result, int(DataSender::Canceled));
    QCOMPARE(loggedPaths(m_sim), QStringList({"/D0"}));
}

void TestConflictResolver::malformedFirstMacSendsNothing()
{
    ConflictResolver *resolver =
        m_exchanges.resolveConflicts("admin", "pw", "192.168.0.12", "02:A7:3C:DC:00:00");
    EndSpy spy(resolver);
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QVERIFY(m_sim.requestLog().isEmpty());
}

QTEST_GUILESS_MAIN(TestConflictResolver)
#include "tst_conflictresolver.moc"
