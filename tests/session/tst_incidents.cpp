#include "session/ClockEventText.h"
#include "operations/ClockPoker.h"
#include "model/ClockRegistry.h"
#include "tests/netns/ClockSimControl.h"
#include "model/DevClock.h"
#include "operations/Communication.h"
#include "persistence/EventJournal.h"
#include "session/MonitoringSession.h"
#include "notify/NotificationSettings.h"
#include "session/QuietRequests.h"
#include "notify/Smtp.h"
#include "tests/notify/SmtpServerProcess.h"
#include "transport/HttpExchange.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The session's own list; the process-wide one stays empty.
ClockRegistry &list()
{
    static ClockRegistry registry;
    return registry;
}

const int FleetSize = 60;
const int CutCount = 50;
const int MailWaitMs = 90000;

QString ipOf(int index)
{
    return QStringLiteral("192.168.0.%1").arg(10 + index);
}

} // namespace

// A power cut on a simulated site, watched by the session as the window and
// the monitor run it, with a real mail server: one incident mail for the
// clocks that went dark together, one mail when they are back, and the
// journal's account of it.
class TestIncidents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void powerCutGivesOneIncidentAndOneRecovery();
    void quietPeriodsKeepMailsAway();

private:
    QTemporaryDir m_home;
    ClockSimControl m_sim;
    SmtpServerProcess m_server;
    Communication m_exchanges;
    NotificationSettings m_alerts;
};

void TestIncidents::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
    QVERIFY(m_server.start(QStringLiteral("plain"), QString()));
    NotificationSettings &settings = m_alerts;
    settings.server = QStringLiteral("127.0.0.1");
    settings.port = m_server.port();
    settings.authType = Smtp::AuthNone;
    settings.smtpType = Smtp::NoEncryption;
    settings.from = QStringLiteral("zentick@example.test");
    settings.recipients = {Recipient{QStringLiteral("ops@example.test"), false}};
    settings.errorConnection = true;
    settings.collectionWindowSeconds = 5;
    // A silent clock costs half a second instead of four.
    m_exchanges.workers().setWaits({HttpExchange::defaultConnectTimeoutMs, 25, HttpExchange::defaultQuietWaitMs});
}

void TestIncidents::powerCutGivesOneIncidentAndOneRecovery()
{
    for (int i = 0; i < FleetSize; ++i) {
        auto *clock = new DevClock;
        clock->network.ip = ipOf(i);
        clock->name = QStringLiteral("Clock %1").arg(i, 2, 10, QLatin1Char('0'));
        clock->user = clock->password = QStringLiteral("admin");
        list().addClock(clock);
    }
    MonitoringSession session{list(), m_exchanges, m_alerts};
    QVERIFY(session.acquireLock());
    session.start();
    session.poller()->setDueAfterSeconds(0);
    QSet<quint64> polled;
    connect(&session, &MonitoringSession::statusUpdated, this, [&polled](quint64 id) { polled.insert(id); });
    QTRY_COMPARE_WITH_TIMEOUT(polled.size(), FleetSize, 30000);

    for (int i = 0; i < CutCount; ++i)
        QVERIFY(m_sim.setFaults(i, QJsonObject{{"silent", true}}));
    QVERIFY(m_server.waitForMessages(1, MailWaitMs));
    const QByteArray incident = m_server.messages().first().data;
    QVERIFY2(incident.contains("\r\nSubject: QLX Zentick alert: 50 clocks (Connection error 50)\r\n"), incident);
    for (int i = 0; i < FleetSize; ++i)
        QCOMPARE(incident.contains("IP: " + ipOf(i).toLatin1() + "\r\n"), i < CutCount);

    for (int i = 0; i < CutCount; ++i)
        QVERIFY(m_sim.setFaults(i, QJsonObject()));
    QVERIFY(m_server.waitForMessages(2, MailWaitMs));
    const QByteArray recovery = m_server.messages().at(1).data;
    QVERIFY2(recovery.contains("\r\nSubject: QLX Zentick back to normal: 50 clocks\r\n"), recovery);
    // Two more rounds of every clock: no further mail.
    polled.clear();
    QTRY_COMPARE_WITH_TIMEOUT(polled.size(), FleetSize, 30000);
    polled.clear();
    QTRY_COMPARE_WITH_TIMEOUT(polled.size(), FleetSize, 30000);
    QCOMPARE(m_server.messages().size(), 2);
    session.stop();

    // The journal tells the story of one of them, in order.
    EventJournal::Filter filter;
    filter.ip = ipOf(0);
    QStringList story;
    QDateTime previous;
    for (const ClockEvent &event : EventJournal::read(EventJournal::defaultFolder(), filter)) {
        story << ClockEvent::kindName(event.kind);
        QVERIFY(!previous.isValid() || previous <= event.time);
        previous = event.time;
    }
    QCOMPARE(story, QStringList({"watched", "unreachable", "alertDue", "mailed", "reachable", "ntp", "recovered",
                                 "recoveryMailed"}));
}

// Clocks the power cut spared: one muted before it goes dark, one in a muted
// group, one muted only after its alert was mailed. Only that alert is
// mailed; nobody gets a mail when the three are back.
void TestIncidents::quietPeriodsKeepMailsAway()
{
    ClockRegistry *registry = &list();
    QCOMPARE(registry->clockCount(), FleetSize);
    const int mutedAlone = CutCount;
    const int inMutedGroup = CutCount + 1;
    const int mutedAfterAlert = CutCount + 2;
    registry->createGroup(QStringLiteral("Wing B"));
    QVERIFY(registry->setClockGroup(inMutedGroup, registry->groupCount() - 1));
    const int mailsBefore = m_server.messages().size();

    MonitoringSession session{list(), m_exchanges, m_alerts};
    QVERIFY(session.acquireLock());
    session.start();
    session.poller()->setDueAfterSeconds(0);
    QSet<quint64> polled;
    connect(&session, &MonitoringSession::statusUpdated, this, [&polled](quint64 id) { polled.insert(id); });
    const auto mute = [&session](const QString &ip, const QString &group) {
        QuietRequest request;
        request.ip = ip;
        request.group = group;
        request.period = QuietPeriod::untilLifted();
        return session.applyQuietRequest(request);
    };
    QCOMPARE(mute(ipOf(mutedAlone), QString()), QString());
    QCOMPARE(mute(QString(), QStringLiteral("Wing B")), QString());
    for (const int clock : {mutedAlone, inMutedGroup, mutedAfterAlert})
        QVERIFY(m_sim.setFaults(clock, QJsonObject{{"silent", true}}));
    QVERIFY(m_server.waitForMessages(mailsBefore + 1, MailWaitMs));
    const QByteArray alert = m_server.messages().at(mailsBefore).data;
    for (const int clock : {mutedAlone, inMutedGroup, mutedAfterAlert})
        QCOMPARE(alert.contains("IP: " + ipOf(clock).toLatin1() + "\r\n"), clock == mutedAfterAlert);

    QCOMPARE(mute(ipOf(mutedAfterAlert), QString()), QString());
    for (const int clock : {mutedAlone, inMutedGroup, mutedAfterAlert})
        QVERIFY(m_sim.setFaults(clock, QJsonObject()));
    // Three rounds of every clock, and longer than a collection window.
    for (int round = 0; round < 3; ++round) {
        polled.clear();
        QTRY_COMPARE_WITH_TIMEOUT(polled.size(), FleetSize, 30000);
    }
    QVERIFY(!m_server.waitForMessages(mailsBefore + 2, m_alerts.collectionWindowSeconds * 2000));
    QCOMPARE(m_server.messages().size(), mailsBefore + 1);
    session.stop();
}

QTEST_GUILESS_MAIN(TestIncidents)
#include "tst_incidents.moc"
