#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "notify/MailSender.h"
#include "notify/Smtp.h"
#include "session/AvailabilityMailSchedule.h"
#include "session/AvailabilityMailer.h"
#include "session/AvailabilityWorkbook.h"
#include "tests/notify/SmtpServerProcess.h"
#include "tests/support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using Figures = AvailabilityReport::Figures;

// The availability workbook and the monthly mail that carries it, as readers
// independent of ours (openpyxl, Python's email package behind a real SMTP
// server) take them.
class TestAvailabilityBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup()
    {
        delete m_server;
        m_server = nullptr;
    }
    void workbookCells_data();
    void workbookCells();
    void sheetNamesStayValid_data();
    void sheetNamesStayValid();
    void fileIsPrivateAndNeverThroughLink_data();
    void fileIsPrivateAndNeverThroughLink();
    void monthlyMailDue_data();
    void monthlyMailDue();
    void attachmentArrivesWhole_data();
    void attachmentArrivesWhole();
    void monthlyMailOnceAndAgainAfterFailure();

private:
    // The mail tests' server, and the settings that send to it.
    void startServer();
    QJsonObject read(const QStringList &arguments);
    QJsonObject parsedMail(int message, QByteArray *attached);

    QTemporaryDir m_dir;
    QJsonObject m_book;
    SmtpServerProcess *m_server = nullptr;
    NotificationSettings m_settings;
};

namespace {

const QDateTime november(QDate(2026, 11, 1), QTime(0, 0), Qt::UTC);
const QByteArray xlsx = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

Figures clock(const QString &name, const QString &group, qint64 down, int incidents)
{
    Figures f{name, QStringLiteral("10.0.0.%1").arg(qHash(name) % 250 + 1), group, 1, 30 * 86400 - down - 3600,
              30 * 86400 - down - 4200, down, 3600, 0, incidents, down};
    return f;
}

// Groups and site summed as the report sums them.
AvailabilityReport::Result resultOf(const QList<Figures> &clocks)
{
    AvailabilityReport::Result result{november, november.addMonths(1), {}, clocks, {}, {}};
    QMap<QString, Figures> groups;
    for (const Figures &f : clocks) {
        groups[f.group].name = f.group;
        groups[f.group].add(f);
        result.site.add(f);
    }
    result.groups = groups.values();
    return result;
}

} // namespace

void TestAvailabilityBook::initTestCase()
{
    // Times go into the workbook as local times: make them UTC.
    qputenv("TZ", "UTC");
    tzset();
    AvailabilityReport::Result result = resultOf({clock(QStringLiteral("Lobby"), QStringLiteral("Hall"), 5400, 2),
                                                  clock(QStringLiteral("=cmd|' /C calc'!A0"), QStringLiteral("Hall"), 0, 0),
                                                  clock(QStringLiteral("Yard"), QString(), 600, 1)});
    result.outages = {{QString(), QStringLiteral("Lobby"), QStringLiteral("Hall"), november.addDays(2),
                       november.addDays(2).addSecs(5400), false},
                      {QString(), QStringLiteral("Yard"), QString(), result.to.addSecs(-600), result.to, true}};
    const QString path = m_dir.filePath(QStringLiteral("figures.xlsx"));
    QString why;
    QVERIFY2(AvailabilityWorkbook::write(result, path, &why), qPrintable(why));
    m_book = read({QStringLiteral("book"), path});
}

void TestAvailabilityBook::startServer()
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

QJsonObject TestAvailabilityBook::read(const QStringList &arguments)
{
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{qEnvironmentVariable("ZENTICK_SOURCE_DIR") + "/tests/session/read_availability.py"}
                     + arguments);
    python.waitForFinished(120000);
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

void TestAvailabilityBook::workbookCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("expected"); // value, or value|number format; "" for an empty cell
    const QStringList rows{
        "sheets|Summary,Hall,No group", "Summary!B2|2026-11-01T00:00:00", "Summary!B3|2026-12-01T00:00:00",
        "Summary!A6|Site", "Summary!B6|3", "Summary!C6|0.999227|0.00%", "Summary!E6|3", "Summary!F6|5400|[h]:mm:ss",
        "Summary!G6|6000", "Summary!H6|2000", "Summary!I6|10800", "Summary!A7|No group", "Summary!A8|Hall",
        "Summary!B8|2", "Hall!A2|Lobby", "Hall!A3|=cmd|' /C calc'!A0", "Hall!H3|", "Hall!A5|Outages",
        "Hall!A7|Lobby", "Hall!C7|2026-11-03T00:00:00", "Hall!D7|2026-11-03T01:30:00", "Hall!E7|5400",
        "Hall!F7|false", "Hall!A8|", "No group!A2|Yard", "No group!A6|Yard", "No group!F6|true"};
    for (const QString &row : rows) {
        const int bar = row.indexOf('|');
        QTest::newRow(qPrintable(row)) << row.left(bar) << row.mid(bar + 1);
    }
}

void TestAvailabilityBook::workbookCells()
{
    QFETCH(QString, cell);
    QFETCH(QString, expected);
    const QJsonArray found = m_book[cell].toArray();
    QStringList shown;
    for (const QJsonValue &v : found)
        shown << (v.isDouble() ? QString::number(v.toDouble(), 'g', 6) : v.toVariant().toString());
    if (cell == "sheets")
        QCOMPARE(shown.join(','), expected);
    else if (expected.isEmpty() || cell.startsWith("Hall!A3")) // a formula-like name stays a text
        QCOMPARE(expected.isEmpty() ? found.size() : int(shown.value(0) == "s"), expected.isEmpty() ? 0 : 1);
    else
        QCOMPARE(shown.value(1) + (expected.count('|') ? '|' + shown.value(2) : QString()), expected);
}

void TestAvailabilityBook::sheetNamesStayValid_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("sheets");
    const QString wing = QStringLiteral("Building A, second floor, east wing");
    QTest::newRow("forbidden characters, control characters")
        << QStringList{"a/b:c*d?e[f]g\\h", "tab\there"} << QStringList{"a_b_c_d_e_f_g_h", "tab_here"};
    QTest::newRow("long names cut; equal after cutting numbered")
        << QStringList{wing, wing + " 2"} << QStringList{wing.left(30), wing.left(27) + " (2)"};
    QTest::newRow("letter case alone tells no sheets apart")
        << QStringList{"Hall", "HALL", "hall"} << QStringList{"Hall", "HALL (2)", "hall (3)"};
    QTest::newRow("apostrophes at the ends, reserved names, nothing left")
        << QStringList{"'Quoted'", "History", "Summary", "''"}
        << QStringList{"Quoted", "Group History", "Summary (2)", "Group"};
    QTest::newRow("a surrogate pair is not cut in half")
        << QStringList{QString(30, 'x') + QStringLiteral("\U0001F600 clock")} << QStringList{QString(30, 'x')};
}

void TestAvailabilityBook::sheetNamesStayValid()
{
    QFETCH(QStringList, groups);
    QFETCH(QStringList, sheets);
    QCOMPARE(AvailabilityWorkbook::sheetNames(QStringList{"Summary"} + groups).mid(1), sheets);
    // The spreadsheet reader takes every name as written (groups by name).
    QList<Figures> clocks;
    for (const QString &group : groups)
        clocks << clock(group + "clock", group, 0, 0);
    const QString path = m_dir.filePath(QStringLiteral("names.xlsx"));
    QVERIFY(AvailabilityWorkbook::write(resultOf(clocks), path));
    std::sort(groups.begin(), groups.end());
    const QStringList written = AvailabilityWorkbook::sheetNames(QStringList{"Summary"} + groups);
    QCOMPARE(read({QStringLiteral("book"), path})["sheets"].toVariant().toStringList(), written);
}

void TestAvailabilityBook::fileIsPrivateAndNeverThroughLink_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("link");
    QTest::newRow("new file under an open umask") << false << false;
    QTest::newRow("a readable file replaced") << true << false;
    QTest::newRow("a link at the path") << false << true;
}

void TestAvailabilityBook::fileIsPrivateAndNeverThroughLink()
{
    QFETCH(bool, existing);
    QFETCH(bool, link);
    const QString path = m_dir.filePath(QStringLiteral("private.xlsx"));
    const QString target = m_dir.filePath(QStringLiteral("elsewhere"));
    QFile::remove(path);
    QVERIFY(TestFiles::write(target, "kept"));
    QVERIFY(!existing || (TestFiles::write(path, "old") && ::chmod(QFile::encodeName(path).constData(), 0644) == 0));
    QVERIFY(!link || QFile::link(target, path));
    const mode_t saved = ::umask(0);
    QString why;
    QCOMPARE(AvailabilityWorkbook::write(resultOf({}), path, &why), !link);
    ::umask(saved);
    QCOMPARE(TestFiles::read(target), QByteArray("kept"));
    QCOMPARE(link ? why.isEmpty() : TestFiles::modeOf(path) == 0600 && TestFiles::read(path).startsWith("PK"), !link);
}

void TestAvailabilityBook::monthlyMailDue_data()
{
    QTest::addColumn<int>("day"); // 0: switched off
    QTest::addColumn<QString>("lastMonth");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("failedSecsAgo"); // -1: no failure
    QTest::addColumn<QString>("due");
    const QDateTime dec5(QDate(2026, 12, 5), QTime(8, 0));
    QTest::newRow("switched off") << 0 << QString() << dec5 << -1 << QString();
    QTest::newRow("before the day") << 6 << QString() << dec5 << -1 << QString();
    QTest::newRow("on the day, the month before") << 5 << QString() << dec5 << -1 << "2026-11";
    QTest::newRow("later: the computer was off on the day") << 1 << "2026-10" << dec5.addDays(20) << -1 << "2026-11";
    QTest::newRow("not twice for one month") << 5 << "2026-11" << dec5.addDays(1) << -1 << QString();
    QTest::newRow("January mails December") << 5 << "2026-11" << dec5.addMonths(1) << -1 << "2026-12";
    QTest::newRow("the clock went back past a month sent") << 5 << "2027-01" << dec5 << -1 << QString();
    QTest::newRow("a failure waits for the retry") << 5 << QString() << dec5 << 600 << QString();
    QTest::newRow("after a failure again") << 5 << QString() << dec5 << 3600 << "2026-11";
    QTest::newRow("a day past 28 counts as 28") << 31 << QString() << QDateTime(QDate(2027, 2, 28), QTime(0, 1))
                                                << -1 << "2027-01";
}

void TestAvailabilityBook::monthlyMailDue()
{
    QFETCH(int, day);
    QFETCH(QString, lastMonth);
    QFETCH(QDateTime, now);
    QFETCH(int, failedSecsAgo);
    QFETCH(QString, due);
    const QDate month = AvailabilityMailSchedule::dueMonth(
        {day > 0, day, lastMonth, now, failedSecsAgo < 0 ? QDateTime() : now.addSecs(-failedSecsAgo), 3600});
    QCOMPARE(AvailabilityMailSchedule::monthKey(month), due);
}

QJsonObject TestAvailabilityBook::parsedMail(int message, QByteArray *attached)
{
    const QString raw = m_dir.filePath(QStringLiteral("mail.eml"));
    const QString out = m_dir.filePath(QStringLiteral("attached.xlsx"));
    QFile::remove(out);
    TestFiles::write(raw, m_server->messages().value(message).data);
    const QJsonObject mail = read({QStringLiteral("mail"), raw, out});
    *attached = TestFiles::read(out);
    return mail;
}

void TestAvailabilityBook::attachmentArrivesWhole_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain text and name") << "Figures attached.\n.\nA line of one dot." << "availability-2026-11.xlsx";
    QTest::newRow("text and name that are not ASCII") << "Uhren in der Küche." << "Verfügbarkeit 2026-11.xlsx";
}

void TestAvailabilityBook::attachmentArrivesWhole()
{
    QFETCH(QString, body);
    QFETCH(QString, fileName);
    startServer();
    const QByteArray workbook = AvailabilityWorkbook::build(resultOf({clock("Lobby", "Hall", 0, 0)}));
    MailSender sender(m_settings);
    QSignalSpy sent(&sender, &MailSender::SigMailSent);
    QVERIFY(sender.sendMessage("Availability", body, m_settings.recipients, {{fileName, xlsx, workbook}}));
    QVERIFY(sent.wait(20000) && m_server->waitForMessages(1));
    QCOMPARE(sent.first().first().toString(), Smtp::sentText);
    QByteArray attached;
    const QJsonObject mail = parsedMail(0, &attached);
    const QJsonObject part = mail["attachments"].toArray().at(0).toObject();
    QCOMPARE(mail["type"].toString() + ' ' + part["type"].toString(), "multipart/mixed " + xlsx);
    QCOMPARE(mail["defects"].toInt() + mail["bareLineFeeds"].toInt() + mail["attachments"].toArray().size(), 1);
    QVERIFY(mail["longest"].toInt() <= 78 && part["longestLine"].toInt() <= 76);
    QCOMPARE(mail["text"].toString().trimmed(), body);
    QCOMPARE(part["filename"].toString() + ' ' + part["encoding"].toString(), fileName + " base64");
    QCOMPARE(attached, workbook);
    QCOMPARE(read({"book", m_dir.filePath("attached.xlsx")})["sheets"].toVariant().toStringList(),
             QStringList({"Summary", "Hall"}));
}

void TestAvailabilityBook::monthlyMailOnceAndAgainAfterFailure()
{
    startServer();
    ClockRegistry registry;
    auto *lobby = new DevClock;
    lobby->name = QStringLiteral("Lobby");
    registry.addClock(lobby);
    registry.createGroup(QStringLiteral("Hall"));
    QVERIFY(registry.setClockGroup(0, 0));
    m_settings.availabilityMail = true;
    const int serverPort = m_settings.port;
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    m_settings.port = closed.serverPort();
    closed.close();
    const QString key = AvailabilityMailSchedule::monthKey(QDate::currentDate().addMonths(-1));

    AvailabilityMailer mailer(registry, m_settings, m_dir.filePath(QStringLiteral("history")));
    QSignalSpy mailed(&mailer, &AvailabilityMailer::mailed);
    mailer.start();
    QVERIFY(mailed.wait(20000));
    QVERIFY(!mailed.last().at(1).toBool() && m_settings.availabilityLastMonth.isEmpty());
    // Within the retry wait nothing is tried; after it, the mail goes.
    m_settings.port = serverPort;
    mailer.checkNow();
    QVERIFY(!mailer.isBusy());
    mailer.setRetrySecs(0);
    mailer.checkNow();
    QVERIFY(mailed.wait(20000) && m_server->waitForMessages(1));
    QVERIFY(mailed.last().at(1).toBool());
    QCOMPARE(m_settings.availabilityLastMonth, key);
    const SmtpServerProcess::Message message = m_server->messages().first();
    // No recipients of its own: the alert recipients.
    QCOMPARE(message.recipients, QStringList{"ops@example.test"});
    QVERIFY(message.headers["subject"].toString().endsWith(key));
    QByteArray attached;
    const QJsonObject part = parsedMail(0, &attached)["attachments"].toArray().at(0).toObject();
    QCOMPARE(part["filename"].toString(), "availability-" + key + ".xlsx");
    QCOMPARE(read({"book", m_dir.filePath("attached.xlsx")})["sheets"].toVariant().toStringList(),
             QStringList({"Summary", "Hall"}));
    // Not twice for the same month.
    mailer.setCheckIntervalMs(10);
    QVERIFY(!mailed.wait(500));
    QCOMPARE(m_server->messages().size(), 1);
}

QTEST_GUILESS_MAIN(TestAvailabilityBook)
#include "tst_availabilitybook.moc"
