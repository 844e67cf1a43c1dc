#include "AlertTrigger.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "MailSender.h"
#include "NotificationSettings.h"
#include "Smtp.h"
#include "SmtpServerProcess.h"
#include "TestRows.h"
#include "TestMailFlow.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

// Alert mails and the test mail, delivered to a real SMTP server.
class TestAlertMail : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void alertMailAsDelivered_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void alertMailAsDelivered();
    void switchedOffKindDoesNotBlockLaterAlerts();
    void atMostThreeAttemptsPerEpisode();
    void deliveredKindWaitsForResendInterval_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void deliveredKindWaitsForResendInterval();
    void clockRemovedWhileMailInFlight();
    void smtpReleasedAfterItsStatus();
    void testMail_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void testMail();
    void secondTestRequestWhileRunningDoesNothing();

private:
    static DevClock *addClock(const QString &name, const QString &ip);
    static void makeDue(DevClock &clock, int kind);
    static int refusedPort();

    SmtpServerProcess *m_server = nullptr;
};

namespace {

constexpr int waitMs = 15000;

void useServer(int port, int authType = Smtp::AuthNone, const QString &password = QString())
{
    NotificationSettings settings;
    settings.server = QStringLiteral("127.0.0.1");
    settings.port = port;
    settings.username = QStringLiteral("alerts");
    settings.password = password;
    settings.from = QStringLiteral("zentick@example.test");
    settings.authType = authType;
    settings.smtpType = Smtp::NoEncryption;
    settings.recipients = {Recipient{QStringLiteral("ops@example.test"), false},
                           Recipient{QStringLiteral("boss@example.test"), true}};
    settings.errorConnection = true;
    settings.errorAuth = true;
    settings.errorNtpTimeout = true;
    notificationSettings() = settings;
}

} // namespace

void TestAlertMail::init()
{
    ClockRegistry::resetForTest();
    m_server = new SmtpServerProcess;
    QVERIFY(m_server->start(QStringLiteral("plain"), QString()));
    useServer(m_server->port());
}

void TestAlertMail::cleanup()
{
    delete m_server;
    m_server = nullptr;
    ClockRegistry::resetForTest();
}

DevClock *TestAlertMail::addClock(const QString &name, const QString &ip)
{
    auto *clock = new DevClock;
    clock->name = name;
    clock->network.ip = ip;
    ClockRegistry::instance()->addClock(clock);
    return clock;
}

void TestAlertMail::makeDue(DevClock &clock, int kind)
{
    // Six polls with the same failure bring its counter to the limit.
    for (int i = 0; i < 6; ++i)
        clock.setNtpStatus(kind);
    QCOMPARE(clock.firstDueAlert(), kind);
}

int TestAlertMail::refusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void TestAlertMail::alertMailAsDelivered()
{
    QFETCH(QString, name);
    QFETCH(QString, group);
    QFETCH(int, kind);
    QFETCH(QByteArray, subject);
    QFETCH(QByteArray, body);

    DevClock *clock = addClock(name, QStringLiteral("192.168.0.20"));
    addClock(QStringLiteral("Other"), QStringLiteral("192.168.0.21"));
    if (!group.isEmpty()) {
        ClockRegistry::instance()->createGroup(group);
        QVERIFY(ClockRegistry::instance()->setClockGroup(0, 0));
    }
    makeDue(*clock, kind);

    QVERIFY(sendAlertIfDue(*clock));
    QVERIFY(clock->alertMailSender);
    // In flight: no second mail, but the trigger counts it as started.
    QVERIFY(sendAlertIfDue(*clock));
    QVERIFY(m_server->waitForMessages(1, waitMs));
    QTRY_VERIFY_WITH_TIMEOUT(!clock->alertMailSender, waitMs);

    const SmtpServerProcess::Message message = m_server->messages().at(0);
    QCOMPARE(message.recipients, (QStringList{"ops@example.test", "boss@example.test"}));
    QCOMPARE(message.data, "To: ops@example.test\r\nCc: boss@example.test\r\nFrom: zentick@example.test\r\nSubject: "
                               + subject + "\r\n\r\n" + body);
    QCOMPARE(clock->alertCounters[std::size_t(kind)].mailDelivered, true);
    QVERIFY(clock->lastAlertMail.isValid());
    // Delivered: not again for this episode.
    QVERIFY(!sendAlertIfDue(*clock));
    QCOMPARE(m_server->messages().size(), 1);
}

void TestAlertMail::switchedOffKindDoesNotBlockLaterAlerts()
{
    notificationSettings().errorNtpTimeout = false;
    DevClock *clock = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    makeDue(*clock, NtpTimeout);
    QVERIFY(!sendAlertIfDue(*clock));
    QVERIFY(!clock->alertMailSender);
    QCOMPARE(clock->alertCounters[NtpTimeout].mailsSent, 0);

    // The clock then loses its connection, an alert that is switched on.
    makeDue(*clock, NtpNoConnection);
    QVERIFY(sendAlertIfDue(*clock));
    QVERIFY(m_server->waitForMessages(1, waitMs));
    QVERIFY(m_server->messages().at(0).data.endsWith("Error code: Connection error\r\n"));
    QCOMPARE(m_server->messages().size(), 1);
}

void TestAlertMail::atMostThreeAttemptsPerEpisode()
{
    useServer(refusedPort());
    DevClock *clock = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    makeDue(*clock, NtpNoConnection);
    for (int attempt = 1; attempt <= 3; ++attempt) {
        QVERIFY(sendAlertIfDue(*clock));
        QTRY_VERIFY_WITH_TIMEOUT(!clock->alertMailSender, waitMs);
        QCOMPARE(clock->alertCounters[NtpNoConnection].mailsSent, attempt);
        QCOMPARE(clock->alertCounters[NtpNoConnection].mailDelivered, false);
    }
    QVERIFY(!sendAlertIfDue(*clock));

    // Good polls let the counter decay to 0, which starts a new episode.
    for (int i = 0; i < 12; ++i)
        clock->setNtpStatus(NtpSynchronized);
    makeDue(*clock, NtpNoConnection);
    useServer(m_server->port());
    QVERIFY(sendAlertIfDue(*clock));
    QVERIFY(m_server->waitForMessages(1, waitMs));
}

void TestAlertMail::deliveredKindWaitsForResendInterval()
{
    QFETCH(int, resendChoice);
    QFETCH(int, minutesSinceMail);
    QFETCH(bool, mailsAgain);

    notificationSettings().resendMailTime = resendChoice;
    DevClock *clock = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    makeDue(*clock, NtpNoConnection);
    QVERIFY(sendAlertIfDue(*clock));
    QVERIFY(m_server->waitForMessages(1, waitMs));
    QTRY_VERIFY_WITH_TIMEOUT(!clock->alertMailSender, waitMs);

    const QDateTime later = clock->lastAlertMail.addSecs(qint64(minutesSinceMail) * 60);
    QCOMPARE(sendAlertIfDue(*clock, later), mailsAgain);
    if (mailsAgain)
        QVERIFY(m_server->waitForMessages(2, waitMs));
    QTRY_VERIFY_WITH_TIMEOUT(!clock->alertMailSender, waitMs);
    QCOMPARE(m_server->messages().size(), mailsAgain ? 2 : 1);
}

void TestAlertMail::clockRemovedWhileMailInFlight()
{
    DevClock *clock = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    makeDue(*clock, NtpNoConnection);
    QVERIFY(sendAlertIfDue(*clock));
    QPointer<QObject> sender = clock->alertMailSender;
    QVERIFY(ClockRegistry::instance()->removeClock(0));
    QVERIFY(!sender);
    // What the mail left queued runs without the clock and its mail.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void TestAlertMail::smtpReleasedAfterItsStatus()
{
    // The listener deletes the sender at once; the client must still go.
    auto *sender = new MailSender;
    bool heard = false;
    connect(sender, &MailSender::SigMailSent, this, [&heard, sender](const QString &status) {
        heard = status == Smtp::sentText;
        delete sender;
    });
    QVERIFY(sender->sendTest(QStringLiteral("s"), QStringLiteral("b")));
    QPointer<Smtp> smtp = sender->findChild<Smtp *>();
    QVERIFY(smtp);
    QTRY_VERIFY_WITH_TIMEOUT(heard, waitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!smtp, waitMs);
}

void TestAlertMail::testMail()
{
    QFETCH(QString, setup);
    QFETCH(int, choice);
    QFETCH(bool, success);
    QFETCH(QString, message);
    QFETCH(int, delivered);

    SmtpServerProcess authServer;
    if (setup == QLatin1String("wrong password")) {
        QVERIFY(authServer.start(QStringLiteral("plain"), QString(), QStringLiteral("alerts"), QStringLiteral("right")));
        useServer(authServer.port(), Smtp::AuthLogin, QStringLiteral("wrong"));
    } else if (setup == QLatin1String("no recipients")) {
        notificationSettings().recipients.clear();
    } else if (setup == QLatin1String("refused")) {
        useServer(refusedPort());
    }

    TestMailFlow flow;
    bool saved = false;
    flow.setAsker([choice] { return TestMailFlow::Choice(choice); });
    flow.setSaver([&saved, this] {
        saved = true;
        useServer(m_server->port());
    });
    QSignalSpy finished(&flow, &TestMailFlow::finished);
    flow.request();
    QVERIFY(finished.count() == 1 || finished.wait(waitMs));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), success);
    QCOMPARE(finished.at(0).at(1).toString(), message);
    QVERIFY(!flow.isRunning());
    QCOMPARE(saved, choice == int(TestMailFlow::Choice::SaveAndSend));
    if (delivered) {
        QVERIFY(m_server->waitForMessages(delivered, waitMs));
        const QByteArray data = m_server->messages().at(0).data;
        QVERIFY(data.contains("\r\nSubject: QLX Zentick Notification Test\r\n\r\n"
                              "This is QLX Zentick notification test e-mail.\r\n"));
    }
    QCOMPARE(m_server->messages().size() + authServer.messages().size(), delivered);
}

void TestAlertMail::secondTestRequestWhileRunningDoesNothing()
{
    TestMailFlow flow;
    int questions = 0;
    TestMailFlow::Choice choice = TestMailFlow::Choice::SendOnly;
    flow.setAsker([&questions, &choice] {
        ++questions;
        return choice;
    });
    QSignalSpy finished(&flow, &TestMailFlow::finished);
    flow.request();
    QVERIFY(flow.isRunning());
    flow.request();
    QCOMPARE(questions, 1);
    QVERIFY(finished.wait(waitMs));
    QVERIFY(m_server->waitForMessages(1, waitMs));
    QCOMPARE(finished.count(), 1);

    // Cancel asks and ends there.
    choice = TestMailFlow::Choice::Cancel;
    flow.request();
    QCOMPARE(questions, 2);
    QVERIFY(!flow.isRunning());
}

QTEST_GUILESS_MAIN(TestAlertMail)
#include "tst_alertmail.moc"
