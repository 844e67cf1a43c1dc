#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "notify/IncidentMail.h"
#include "notify/IncidentMailer.h"
#include "core/Language.h"
#include "notify/MailSender.h"
#include "notify/NotificationSettings.h"
#include "core/ProgramFiles.h"
#include "notify/Smtp.h"
#include "tests/notify/SmtpServerProcess.h"
#include "tests/support/HealthPolls.h"
#include "tests/support/TestRows.h"
#include "notify/TestMailFlow.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTranslator>
#include <QtTest>

// Alert mails, one clock's and an incident's, recoveries, quiet periods and
// the test mail, delivered to a real SMTP server.
class TestAlertMail : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void alertMailAsDelivered_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void alertMailAsDelivered();
    void mailsEveryServerTakes_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void mailsEveryServerTakes();
    void heldBackAlertGoesOutOnceAllowed_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void heldBackAlertGoesOutOnceAllowed();
    void deliveredKindWaitsForResendInterval_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void deliveredKindWaitsForResendInterval();
    void clockRemovedWhileMailInFlight();
    void incidentNamesEveryClockDueInItsWindow();
    void incidentKeepsEachClocksRules();
    void smtpReleasedAfterItsStatus();
    void testMail_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void testMail();
    void secondTestRequestWhileRunningDoesNothing();

private:
    DevClock *addClock(const QString &name, const QString &ip);
    void makeDue(DevClock &clock, int kind);
    const AlertBooks &books() const { return m_mailer->books(); }
    static int refusedPort();
    // Every mail the mailer ends, delivered or not.
    void waitForMails(int count);

    // The mailer's own list; the process-wide one stays empty.
    ClockRegistry m_list;
    HealthWriter m_health{m_list};
    NotificationSettings m_alerts;
    SmtpServerProcess *m_server = nullptr;
    IncidentMailer *m_mailer = nullptr;
    QSignalSpy *m_ended = nullptr;
};

namespace {

constexpr int waitMs = 15000;

void useServer(NotificationSettings &alerts, int port, int authType = Smtp::AuthNone, const QString &password = QString())
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
    // Closed at the next turn of the event loop: one clock at a time.
    settings.collectionWindowSeconds = 0;
    alerts = settings;
}

} // namespace

void TestAlertMail::init()
{
    m_list.clear();
    m_server = new SmtpServerProcess;
    QVERIFY(m_server->start(QStringLiteral("plain"), QString()));
    useServer(m_alerts, m_server->port());
    m_mailer = new IncidentMailer(m_list, m_health, m_alerts);
    m_ended = new QSignalSpy(m_mailer, &IncidentMailer::mailSent);
}

void TestAlertMail::cleanup()
{
    delete m_ended;
    delete m_mailer;
    delete m_server;
    m_server = nullptr;
    m_list.clear();
}

void TestAlertMail::waitForMails(int count)
{
    QTRY_COMPARE_WITH_TIMEOUT(m_ended->count(), count, waitMs);
}

DevClock *TestAlertMail::addClock(const QString &name, const QString &ip)
{
    auto *clock = new DevClock;
    clock->name = name;
    clock->network.ip = ip;
    m_list.addClock(clock);
    return clock;
}

void TestAlertMail::makeDue(DevClock &clock, int kind)
{
    // Six polls with the same failure bring its counter to the limit.
    pollSaw(m_health, clock, kind, 6);
    QCOMPARE(m_health.of(clock).firstDueAlert(), kind);
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
        m_list.createGroup(group);
        QVERIFY(m_list.setClockGroup(0, 0));
    }
    makeDue(*clock, kind);

    m_mailer->clockUpdated(*clock);
    waitForMails(1);
    // In flight meanwhile: a status update starts no second mail.
    m_mailer->clockUpdated(*clock);
    QVERIFY(m_server->waitForMessages(1, waitMs));

    const SmtpServerProcess::Message message = m_server->messages().at(0);
    QCOMPARE(message.recipients, (QStringList{"ops@example.test", "boss@example.test"}));
    QCOMPARE(message.data, "To: ops@example.test\r\nCc: boss@example.test\r\nFrom: zentick@example.test\r\nSubject: "
                               + subject + "\r\n\r\n" + body);
    QVERIFY(books().isDelivered(clock->id, kind, m_health.of(*clock)));
    QVERIFY(books().lastMail(clock->id).isValid());
    // Delivered: not again for this episode.
    m_mailer->clockUpdated(*clock);
    QCoreApplication::processEvents();
    QVERIFY(!m_mailer->isBusy());
    QCOMPARE(m_server->messages().size(), 1);
}

void TestAlertMail::mailsEveryServerTakes()
{
    QFETCH(int, language);
    QFETCH(QStringList, names);
    QFETCH(int, repeat);
    QFETCH(QString, from);
    QFETCH(QString, displayName);
    QFETCH(bool, encoded);

    // As the monitor with --language, or the window in a chosen language.
    QTranslator catalogue;
    if (language != int(Language::English)) {
        QVERIFY(catalogue.load(ProgramFiles::locate(LanguageManager::translationFileName(Language(language)))));
        QCoreApplication::installTranslator(&catalogue);
    }
    m_alerts.from = from;
    m_alerts.collectionWindowSeconds = names.size() > 1 ? 1 : 0;
    QList<DevClock *> clocks;
    for (QString &name : names) {
        name = name.repeated(repeat);
        clocks << addClock(name, QStringLiteral("192.168.0.%1").arg(20 + clocks.size()));
        clocks.last()->id = quint64(clocks.size());
        makeDue(*clocks.last(), NtpNoConnection);
    }
    const IncidentMail::Entry first{clocks.first()->name, clocks.first()->network.ip,
                                    QCoreApplication::translate("MailSender", "None"),
                                    NtpNoConnection, QDateTime(), QDateTime()};
    const QString subject = IncidentMail::alertSubject({first});
    const QString body = IncidentMail::alertBody({first});
    for (DevClock *clock : qAsConst(clocks))
        m_mailer->clockUpdated(*clock);
    QVERIFY(m_server->waitForMessages(1, waitMs));
    QCoreApplication::removeTranslator(&catalogue);
    QCOMPARE(body.contains("Clock name: ") && body.contains("Connection error"), language == int(Language::English));

    // As sent: header lines within 78 characters, none over 998.
    const SmtpServerProcess::Message message = m_server->messages().at(0);
    const QByteArray headers = message.data.left(message.data.indexOf("\r\n\r\n"));
    for (const QByteArray &line : headers.split('\n'))
        QVERIFY2(line.trimmed().size() <= 78, line);
    for (const QByteArray &line : message.data.split('\n'))
        QVERIFY(line.size() <= 999);
    QCOMPARE(headers.contains("\r\nContent-Transfer-Encoding: quoted-printable"), encoded);
    QCOMPARE(message.from, QStringLiteral("zentick@example.test"));

    // As Python's email package reads it: every text whole.
    const auto field = [&message](const char *name) { return message.headers.value(QLatin1String(name)).toString(); };
    QCOMPARE(field("fromName"), displayName);
    const QString received = field("body").replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (names.size() == 1) {
        QCOMPARE(field("subject"), subject);
        QCOMPARE(received, QString(body).replace(QLatin1String("\r\n"), QLatin1String("\n")) + '\n');
        return;
    }
    for (const QString &name : names)
        QVERIFY(received.contains("Clock name: " + name + '\n'));
}

void TestAlertMail::heldBackAlertGoesOutOnceAllowed()
{
    QFETCH(QString, heldBy);
    const bool kindOff = heldBy == QLatin1String("kind");
    DevGroup *wing = m_list.createGroup(QStringLiteral("Wing"));
    DevClock *clock = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    QVERIFY(m_list.setClockGroup(0, 0));
    const int kind = kindOff ? NtpTimeout : NtpNoConnection;
    if (kindOff)
        m_alerts.errorNtpTimeout = false;
    else if (heldBy == QLatin1String("weekly"))
        wing->quietHours = QuietHours::parse(QStringLiteral("Mon-Sun"), QStringLiteral("Europe/Berlin"));
    else
        wing->quietPeriod = QuietPeriod::untilLifted();
    makeDue(*clock, kind);
    m_mailer->clockUpdated(*clock);
    QCoreApplication::processEvents();
    QVERIFY(!m_mailer->isBusy());
    QCOMPARE(books().attempts(clock->id, kind, m_health.of(*clock)), 0);

    if (kindOff) {
        makeDue(*clock, NtpNoConnection);
    } else {
        wing->quietPeriod = QuietPeriod();
        wing->quietHours = QuietHours();
    }
    m_mailer->clockUpdated(*clock);
    QVERIFY(m_server->waitForMessages(1, waitMs));
    QVERIFY(m_server->messages().at(0).data.endsWith("Error code: Connection error\r\n"));
    QCOMPARE(m_server->messages().size(), 1);
}

void TestAlertMail::deliveredKindWaitsForResendInterval()
{
    QFETCH(int, resendChoice);
    QFETCH(int, minutesSinceMail);
    QFETCH(bool, mailsAgain);

    m_alerts.resendMailTime = resendChoice;
    DevClock *clock = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    makeDue(*clock, NtpNoConnection);
    m_mailer->clockUpdated(*clock);
    QVERIFY(m_server->waitForMessages(1, waitMs));
    waitForMails(1);

    const QDateTime later = books().lastMail(clock->id).addSecs(qint64(minutesSinceMail) * 60);
    m_mailer->clockUpdated(*clock, later);
    QCOMPARE(m_mailer->isBusy(), mailsAgain);
    if (mailsAgain)
        QVERIFY(m_server->waitForMessages(2, waitMs));
    QTRY_VERIFY_WITH_TIMEOUT(!m_mailer->isBusy(), waitMs);
    QCOMPARE(m_server->messages().size(), mailsAgain ? 2 : 1);
}

void TestAlertMail::clockRemovedWhileMailInFlight()
{
    // A server that takes the connection and never answers keeps the mail under way.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    useServer(m_alerts, silent.serverPort());
    m_mailer->setMailTimeout(500);
    DevClock *clock = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    makeDue(*clock, NtpNoConnection);
    m_mailer->clockUpdated(*clock);
    QTRY_VERIFY_WITH_TIMEOUT(m_mailer->isMailing(), waitMs);
    QVERIFY(m_list.removeClock(0));
    // The mail ends without the clock it named.
    waitForMails(1);
    QVERIFY(!m_mailer->isBusy());
}

void TestAlertMail::incidentNamesEveryClockDueInItsWindow()
{
    // Fifty clocks fall due within one window, and a well one: one mail names
    // the fifty, sorted by group and name, and none of the others.
    m_alerts.collectionWindowSeconds = 1;
    ClockRegistry *registry = &m_list;
    registry->createGroup(QStringLiteral("West wing"));
    registry->createGroup(QStringLiteral("East wing"));
    QList<DevClock *> due;
    for (int i = 0; i < 50; ++i) {
        DevClock *clock = addClock(QStringLiteral("Clock %1").arg(49 - i, 2, 10, QLatin1Char('0')),
                                   QStringLiteral("10.1.0.%1").arg(100 + i));
        clock->id = quint64(i + 1);
        QVERIFY(registry->setClockGroup(i, i % 2));
        makeDue(*clock, i < 48 ? NtpNoConnection : NtpNoAuthentication);
        due << clock;
    }
    DevClock *well = addClock(QStringLiteral("Hall"), QStringLiteral("10.1.0.99"));
    well->id = 99;
    for (DevClock *clock : due + QList<DevClock *>{well})
        m_mailer->clockUpdated(*clock);
    QVERIFY(m_server->waitForMessages(1, waitMs));
    waitForMails(1);
    QCOMPARE(m_server->messages().size(), 1);

    const QByteArray data = m_server->messages().first().data;
    QVERIFY2(data.contains("\r\nSubject: QLX Zentick alert: 50 clocks (Connection error 48, No authentication 2)\r\n"),
             data);
    QVERIFY(!data.contains("Hall"));
    QVERIFY(data.contains("Clock name: Clock 48\r\nIP: 10.1.0.101\r\nGroup: East wing\r\nError code: Connection error"
                          "\r\nSince: "));
    // East before West, and within a wing by name.
    const int east = data.indexOf("Group: East wing");
    const int west = data.indexOf("Group: West wing");
    QVERIFY(east > 0 && west > east && data.lastIndexOf("Group: East wing") < west);
    QVERIFY(data.indexOf("Clock name: Clock 01") < data.indexOf("Clock name: Clock 03"));
    for (DevClock *clock : due) {
        QVERIFY(data.contains("IP: " + clock->network.ip.toLatin1() + "\r\n"));
        const ClockHealth &health = m_health.of(*clock);
        QVERIFY(books().isDelivered(clock->id, health.firstDueAlert(), health));
    }

    // All of them back: one recovery mail.
    for (DevClock *clock : due) {
        pollSaw(m_health, *clock, NtpSynchronized);
        m_mailer->clockUpdated(*clock);
    }
    QVERIFY(m_server->waitForMessages(2, waitMs));
    const QByteArray recovery = m_server->messages().at(1).data;
    QVERIFY2(recovery.contains("\r\nSubject: QLX Zentick back to normal: 50 clocks\r\n"), recovery);
    QCOMPARE(recovery.count("Back to normal after "), 50);
    QTRY_VERIFY_WITH_TIMEOUT(!m_mailer->isBusy(), waitMs);
    QCOMPARE(m_server->messages().size(), 2);
}

void TestAlertMail::incidentKeepsEachClocksRules()
{
    // A clock whose alert was delivered is not named again before its resend
    // time; the others share the incident, and a mail that fails counts one
    // attempt for each clock it named, three at most in an episode.
    m_alerts.collectionWindowSeconds = 1;
    m_alerts.resendMailTime = 1;
    DevClock *delivered = addClock(QStringLiteral("Delivered"), QStringLiteral("10.1.0.1"));
    delivered->id = 1;
    makeDue(*delivered, NtpNoConnection);
    m_mailer->clockUpdated(*delivered);
    waitForMails(1);
    QList<DevClock *> others;
    for (int i = 2; i <= 3; ++i) {
        others << addClock(QStringLiteral("Clock %1").arg(i), QStringLiteral("10.1.0.%1").arg(i));
        others.last()->id = quint64(i);
        makeDue(*others.last(), NtpNoConnection);
    }
    useServer(m_alerts, refusedPort());
    m_alerts.collectionWindowSeconds = 1;
    m_alerts.resendMailTime = 1;
    for (int attempt = 1; attempt <= 4; ++attempt) {
        for (DevClock *clock : others + QList<DevClock *>{delivered})
            m_mailer->clockUpdated(*clock);
        QTRY_VERIFY_WITH_TIMEOUT(!m_mailer->isBusy(), waitMs);
    }
    QCOMPARE(m_ended->count(), 4); // the first, then three failed attempts
    for (int i = 1; i < m_ended->count(); ++i)
        QCOMPARE(m_ended->at(i).at(1).value<QList<quint64>>(), QList<quint64>({2, 3}));
    for (DevClock *clock : others + QList<DevClock *>{delivered})
        QCOMPARE(books().attempts(clock->id, NtpNoConnection, m_health.of(*clock)), clock == delivered ? 1 : 3);

    // Good polls let the counter decay to 0, which starts a new episode.
    pollSaw(m_health, *others.first(), NtpSynchronized, 12);
    makeDue(*others.first(), NtpNoConnection);
    useServer(m_alerts, m_server->port());
    m_mailer->clockUpdated(*others.first());
    QVERIFY(m_server->waitForMessages(2, waitMs));
}

void TestAlertMail::smtpReleasedAfterItsStatus()
{
    // The listener deletes the sender at once; the client must still go.
    auto *sender = new MailSender(m_alerts);
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
        useServer(m_alerts, authServer.port(), Smtp::AuthLogin, QStringLiteral("wrong"));
    } else if (setup == QLatin1String("no recipients")) {
        m_alerts.recipients.clear();
    } else if (setup == QLatin1String("refused")) {
        useServer(m_alerts, refusedPort());
    }

    TestMailFlow flow(m_alerts);
    bool saved = false;
    flow.setAsker([choice] { return TestMailFlow::Choice(choice); });
    flow.setSaver([&saved, this] {
        saved = true;
        useServer(m_alerts, m_server->port());
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
    TestMailFlow flow(m_alerts);
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
