#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "notify/MailSender.h"
#include "notify/NotificationSettings.h"
#include "notify/Smtp.h"
#include "session/AvailabilityMailSchedule.h"
#include "session/AvailabilityMailer.h"
#include "session/AvailabilityWorkbook.h"
#include "tests/notify/SmtpServerProcess.h"
#include "tests/session/AvailabilityProbe.h"
#include "tests/support/TestFiles.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

// The availability workbook attached to a mail, as Python's email package
// takes it from a real SMTP server, and the monthly mail's once-a-month
// promise.
class TestAvailabilityMail : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void attachmentArrivesWhole_data();
    void attachmentArrivesWhole();
    void monthlyMailOnceAndAgainAfterFailure();

private:
    // The mail's parts as Python reads them; the attachment's bytes in attached.
    QJsonObject parsed(const QByteArray &raw, QByteArray *attached);

    QTemporaryDir m_dir;
    SmtpServerProcess *m_server = nullptr;
    NotificationSettings m_settings;
};

namespace {

constexpr int waitMs = 20000;
const QByteArray xlsxType = QByteArrayLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

int refusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QStringList sheetNames(const QString &path)
{
    QStringList names;
    for (const QJsonValue &sheet : readAvailability({QStringLiteral("book"), path}).toArray())
        names << sheet[QLatin1String("name")].toString();
    return names;
}

} // namespace

void TestAvailabilityMail::init()
{
    m_server = new SmtpServerProcess;
    QVERIFY(m_server->start(QStringLiteral("plain"), QString()));
    m_settings = NotificationSettings();
    m_settings.server = QStringLiteral("127.0.0.1");
    m_settings.port = m_server->port();
    m_settings.from = QStringLiteral("zentick@example.test");
    m_settings.authType = Smtp::AuthNone;
    m_settings.smtpType = Smtp::NoEncryption;
    m_settings.recipients = {Recipient{QStringLiteral("ops@example.test"), false}};
}

void TestAvailabilityMail::cleanup()
{
    delete m_server;
    m_server = nullptr;
}

QJsonObject TestAvailabilityMail::parsed(const QByteArray &raw, QByteArray *attached)
{
    const QString rawPath = m_dir.filePath(QStringLiteral("mail.eml"));
    const QString out = m_dir.filePath(QStringLiteral("attached.xlsx"));
    QFile::remove(out);
    if (!TestFiles::write(rawPath, raw))
        return {};
    const QJsonObject mail = readAvailability({QStringLiteral("mail"), rawPath, out}).toObject();
    *attached = TestFiles::read(out);
    return mail;
}

void TestAvailabilityMail::attachmentArrivesWhole_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain text and name") << QStringLiteral("Figures attached.\n.\nA line of one dot.")
                                         << QStringLiteral("availability-2026-11.xlsx");
    QTest::newRow("text and name that are not ASCII")
        << QStringLiteral("Verfügbarkeit der Uhren in der Küche.") << QStringLiteral("Verfügbarkeit 2026-11.xlsx");
}

void TestAvailabilityMail::attachmentArrivesWhole()
{
    QFETCH(QString, body);
    QFETCH(QString, fileName);
    AvailabilityReport::Result result;
    result.from = QDateTime(QDate(2026, 11, 1), QTime(0, 0), Qt::UTC);
    result.to = result.from.addMonths(1);
    AvailabilityReport::Figures hall;
    hall.name = QStringLiteral("Hall");
    hall.clocks = 1;
    hall.answeringSecs = 1000;
    result.groups << hall;
    QString why;
    const QByteArray workbook = AvailabilityWorkbook::build(result, &why);
    QVERIFY2(!workbook.isEmpty(), qPrintable(why));

    MailSender sender(m_settings);
    QSignalSpy sent(&sender, &MailSender::SigMailSent);
    QVERIFY(sender.sendMessage(QStringLiteral("Availability"), body, m_settings.recipients,
                               {MailEncoding::Attachment{fileName, xlsxType, workbook}}));
    QVERIFY(sent.wait(waitMs));
    QCOMPARE(sent.first().first().toString(), Smtp::sentText);
    QVERIFY(m_server->waitForMessages(1));

    QByteArray attached;
    const QJsonObject mail = parsed(m_server->messages().first().data, &attached);
    QCOMPARE(mail[QLatin1String("type")].toString(), QStringLiteral("multipart/mixed"));
    QCOMPARE(mail[QLatin1String("defects")].toInt(), 0);
    QCOMPARE(mail[QLatin1String("bareLineFeeds")].toInt(), 0);
    QVERIFY(mail[QLatin1String("longest")].toInt() <= 78);
    QCOMPARE(mail[QLatin1String("text")].toString().trimmed(), body);
    const QJsonArray attachments = mail[QLatin1String("attachments")].toArray();
    QCOMPARE(attachments.size(), 1);
    QCOMPARE(attachments[0][QLatin1String("type")].toString(), QString::fromLatin1(xlsxType));
    QCOMPARE(attachments[0][QLatin1String("filename")].toString(), fileName);
    QCOMPARE(attachments[0][QLatin1String("encoding")].toString(), QStringLiteral("base64"));
    QVERIFY(attachments[0][QLatin1String("longestLine")].toInt() <= 76);
    QCOMPARE(attached, workbook);
    QCOMPARE(sheetNames(m_dir.filePath(QStringLiteral("attached.xlsx"))),
             (QStringList{QStringLiteral("Summary"), QStringLiteral("Hall")}));
}

void TestAvailabilityMail::monthlyMailOnceAndAgainAfterFailure()
{
    ClockRegistry registry;
    auto *lobby = new DevClock;
    lobby->name = QStringLiteral("Lobby");
    lobby->network.ip = QStringLiteral("192.168.0.20");
    registry.addClock(lobby);
    registry.createGroup(QStringLiteral("Hall"));
    QVERIFY(registry.setClockGroup(0, 0));

    m_settings.availabilityMail = true;
    m_settings.availabilityMailDay = 1;
    const int serverPort = m_settings.port;
    m_settings.port = refusedPort();
    const QDate month = QDate::currentDate().addMonths(-1);
    const QString key = AvailabilityMailSchedule::monthKey(month);

    AvailabilityMailer mailer(registry, m_settings, m_dir.filePath(QStringLiteral("history")));
    mailer.setRetrySecs(3600);
    QSignalSpy mailed(&mailer, &AvailabilityMailer::mailed);
    mailer.start();
    QVERIFY(mailed.wait(waitMs));
    QCOMPARE(mailed.last().at(1).toBool(), false);
    QVERIFY(m_settings.availabilityLastMonth.isEmpty());

    // Within the retry wait nothing is tried; after it, the mail goes.
    m_settings.port = serverPort;
    mailer.checkNow();
    QVERIFY(!mailer.isBusy());
    mailer.setRetrySecs(0);
    mailer.checkNow();
    QVERIFY(mailed.wait(waitMs));
    QCOMPARE(mailed.count(), 2);
    QCOMPARE(mailed.last().at(1).toBool(), true);
    QCOMPARE(m_settings.availabilityLastMonth, key);

    QVERIFY(m_server->waitForMessages(1));
    const SmtpServerProcess::Message message = m_server->messages().first();
    // No recipients of its own: the alert recipients.
    QCOMPARE(message.recipients, QStringList{QStringLiteral("ops@example.test")});
    QVERIFY(message.headers[QLatin1String("subject")].toString().endsWith(key));
    QByteArray attached;
    const QJsonObject mail = parsed(message.data, &attached);
    QCOMPARE(mail[QLatin1String("attachments")].toArray().at(0)[QLatin1String("filename")].toString(),
             QStringLiteral("availability-%1.xlsx").arg(key));
    QCOMPARE(sheetNames(m_dir.filePath(QStringLiteral("attached.xlsx"))),
             (QStringList{QStringLiteral("Summary"), QStringLiteral("Hall")}));

    // Not twice for the same month.
    mailer.setCheckIntervalMs(10);
    QVERIFY(!mailed.wait(500));
    QCOMPARE(m_server->messages().size(), 1);
}

QTEST_GUILESS_MAIN(TestAvailabilityMail)
#include "tst_availabilitymail.moc"
