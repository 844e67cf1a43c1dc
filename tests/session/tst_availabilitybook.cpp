#include "session/AvailabilityMailSchedule.h"
#include "session/AvailabilityWorkbook.h"
#include "tests/session/AvailabilityProbe.h"
#include "tests/support/TestFiles.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using Figures = AvailabilityReport::Figures;

// The availability workbook as a reader independent of ours sees it, and the
// day the monthly mail goes out.
class TestAvailabilityBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void workbookHoldsFiguresAndOutages();
    void sheetNamesStayValid_data();
    void sheetNamesStayValid();
    void fileIsPrivateAndNeverThroughLink_data();
    void fileIsPrivateAndNeverThroughLink();
    void monthlyMailDue_data();
    void monthlyMailDue();

private:
    QTemporaryDir m_dir;
};

namespace {

const QDateTime november = QDateTime(QDate(2026, 11, 1), QTime(0, 0), Qt::UTC);

Figures clock(const QString &name, const QString &ip, const QString &group, qint64 down, int incidents)
{
    Figures f;
    f.name = name;
    f.ip = ip;
    f.group = group;
    f.clocks = 1;
    f.answeringSecs = 30 * 86400 - down - 3600;
    f.synchronisedSecs = f.answeringSecs - 600;
    f.downSecs = down;
    f.quietSecs = 3600;
    f.incidents = incidents;
    f.longestIncidentSecs = down;
    return f;
}

// The figures of groups and their clocks, summed as the report sums them.
AvailabilityReport::Result resultOf(const QList<Figures> &clocks)
{
    AvailabilityReport::Result result;
    result.from = november;
    result.to = november.addMonths(1);
    QMap<QString, Figures> groups;
    for (const Figures &f : clocks) {
        result.clocks << f;
        groups[f.group].name = f.group;
        groups[f.group].add(f);
        result.site.add(f);
    }
    result.groups = groups.values();
    return result;
}

QJsonObject sheetNamed(const QJsonArray &book, const QString &name)
{
    for (const QJsonValue &sheet : book) {
        if (sheet[QLatin1String("name")].toString() == name)
            return sheet[QLatin1String("cells")].toObject();
    }
    return {};
}

QJsonValue valueAt(const QJsonObject &cells, const char *cell)
{
    return cells[QLatin1String(cell)].toArray().at(1);
}

} // namespace

void TestAvailabilityBook::initTestCase()
{
    // Times go into the workbook as local times: make them UTC.
    qputenv("TZ", "UTC");
    tzset();
    QVERIFY(m_dir.isValid());
}

void TestAvailabilityBook::workbookHoldsFiguresAndOutages()
{
    AvailabilityReport::Result result = resultOf({clock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"),
                                                        QStringLiteral("Hall"), 5400, 2),
                                                  clock(QStringLiteral("=cmd|' /C calc'!A0"), QStringLiteral("192.168.0.21"),
                                                        QStringLiteral("Hall"), 0, 0),
                                                  clock(QStringLiteral("Yard"), QStringLiteral("192.168.0.30"),
                                                        QString(), 600, 1)});
    AvailabilityReport::Outage outage{QStringLiteral("192.168.0.20"), QStringLiteral("Lobby"), QStringLiteral("Hall"),
                                      november.addDays(2), november.addDays(2).addSecs(5400), false};
    AvailabilityReport::Outage ongoing{QStringLiteral("192.168.0.30"), QStringLiteral("Yard"), QString(),
                                       result.to.addSecs(-600), result.to, true};
    result.outages = {outage, ongoing};

    const QString path = m_dir.filePath(QStringLiteral("figures.xlsx"));
    QString why;
    QVERIFY2(AvailabilityWorkbook::write(result, path, &why), qPrintable(why));
    const QJsonArray book = readAvailability({QStringLiteral("book"), path}).toArray();
    QStringList names;
    for (const QJsonValue &sheet : book)
        names << sheet[QLatin1String("name")].toString();
    QCOMPARE(names, (QStringList{QStringLiteral("Summary"), QStringLiteral("Hall"), QStringLiteral("No group")}));

    const QJsonObject summary = sheetNamed(book, QStringLiteral("Summary"));
    QCOMPARE(valueAt(summary, "B2").toString(), QStringLiteral("2026-11-01T00:00:00"));
    QCOMPARE(valueAt(summary, "B3").toString(), QStringLiteral("2026-12-01T00:00:00"));
    QCOMPARE(valueAt(summary, "A6").toString(), QStringLiteral("Site"));
    QCOMPARE(valueAt(summary, "B6").toInt(), 3);
    // A share is a number shown as a percentage.
    QCOMPARE(summary[QLatin1String("C6")].toArray().at(2).toString(), QStringLiteral("0.00%"));
    QVERIFY(qAbs(valueAt(summary, "C6").toDouble() - result.site.answeringShare()) < 1e-9);
    QCOMPARE(valueAt(summary, "E6").toInt(), 3);
    QCOMPARE(valueAt(summary, "F6").toDouble(), 5400.0); // longest
    QCOMPARE(valueAt(summary, "G6").toDouble(), 6000.0); // total
    QCOMPARE(valueAt(summary, "H6").toDouble(), 2000.0); // mean time to recovery
    QCOMPARE(valueAt(summary, "I6").toDouble(), 3.0 * 3600);
    QCOMPARE(valueAt(summary, "A7").toString(), QStringLiteral("No group"));
    QCOMPARE(valueAt(summary, "A8").toString(), QStringLiteral("Hall"));
    QCOMPARE(valueAt(summary, "B8").toInt(), 2);

    const QJsonObject hall = sheetNamed(book, QStringLiteral("Hall"));
    QCOMPARE(valueAt(hall, "A2").toString(), QStringLiteral("Lobby"));
    // A name that looks like a formula stays a text.
    QCOMPARE(hall[QLatin1String("A3")].toArray().at(0).toString(), QStringLiteral("s"));
    QCOMPARE(valueAt(hall, "A3").toString(), QStringLiteral("=cmd|' /C calc'!A0"));
    QVERIFY(hall[QLatin1String("H3")].isUndefined()); // no incident, no mean time
    QCOMPARE(valueAt(hall, "A5").toString(), QStringLiteral("Outages"));
    QCOMPARE(valueAt(hall, "A7").toString(), QStringLiteral("Lobby"));
    QCOMPARE(valueAt(hall, "C7").toString(), QStringLiteral("2026-11-03T00:00:00"));
    QCOMPARE(valueAt(hall, "D7").toString(), QStringLiteral("2026-11-03T01:30:00"));
    QCOMPARE(valueAt(hall, "E7").toDouble(), 5400.0);
    QCOMPARE(valueAt(hall, "F7").toBool(), false);
    QVERIFY(hall[QLatin1String("A8")].isUndefined());
    const QJsonObject none = sheetNamed(book, QStringLiteral("No group"));
    QCOMPARE(valueAt(none, "A2").toString(), QStringLiteral("Yard"));
    QCOMPARE(valueAt(none, "A6").toString(), QStringLiteral("Yard"));
    QCOMPARE(valueAt(none, "F6").toBool(), true);
}

void TestAvailabilityBook::sheetNamesStayValid_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("sheets");
    const QString longName = QStringLiteral("Building A, second floor, east wing corridor");
    QTest::newRow("forbidden characters") << QStringList{QStringLiteral("a/b:c*d?e[f]g\\h")}
                                          << QStringList{QStringLiteral("a_b_c_d_e_f_g_h")};
    QTest::newRow("long names cut, equal after cutting numbered")
        << QStringList{longName, longName + QStringLiteral(" 2")}
        << QStringList{longName.left(31).trimmed(), longName.left(27).trimmed() + QStringLiteral(" (2)")};
    QTest::newRow("letter case alone does not tell sheets apart")
        << QStringList{QStringLiteral("Hall"), QStringLiteral("HALL"), QStringLiteral("hall")}
        << QStringList{QStringLiteral("Hall"), QStringLiteral("HALL (2)"), QStringLiteral("hall (3)")};
    QTest::newRow("apostrophes at the ends, a reserved name, the summary's name")
        << QStringList{QStringLiteral("'Quoted'"), QStringLiteral("History"), QStringLiteral("Summary")}
        << QStringList{QStringLiteral("Quoted"), QStringLiteral("Group History"), QStringLiteral("Summary (2)")};
    QTest::newRow("a surrogate pair is not cut in half")
        << QStringList{QString(30, QLatin1Char('x')) + QStringLiteral("\U0001F600 clock")}
        << QStringList{QString(30, QLatin1Char('x'))};
    QTest::newRow("control characters and nothing left")
        << QStringList{QStringLiteral("tab\there"), QStringLiteral("''")}
        << QStringList{QStringLiteral("tab_here"), QStringLiteral("Group")};
}

void TestAvailabilityBook::sheetNamesStayValid()
{
    QFETCH(QStringList, groups);
    QFETCH(QStringList, sheets);
    QList<Figures> clocks;
    for (int i = 0; i < groups.size(); ++i)
        clocks << clock(QStringLiteral("c%1").arg(i), QStringLiteral("10.0.0.%1").arg(i + 1), groups.at(i), 0, 0);
    const QString path = m_dir.filePath(QStringLiteral("names.xlsx"));
    QString why;
    QVERIFY2(AvailabilityWorkbook::write(resultOf(clocks), path, &why), qPrintable(why));
    QStringList read;
    for (const QJsonValue &sheet : readAvailability({QStringLiteral("book"), path}).toArray())
        read << sheet[QLatin1String("name")].toString();
    // The groups' sheets follow the summary by group name.
    QStringList sorted = groups;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(read, AvailabilityWorkbook::sheetNames(QStringList{QStringLiteral("Summary")} + sorted));
    QCOMPARE(AvailabilityWorkbook::sheetNames(QStringList{QStringLiteral("Summary")} + groups).mid(1), sheets);
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
    if (existing) {
        QVERIFY(TestFiles::write(path, "old"));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);
    }
    if (link)
        QVERIFY(QFile::link(target, path));
    const mode_t saved = ::umask(0);
    QString why;
    const bool written = AvailabilityWorkbook::write(resultOf({}), path, &why);
    ::umask(saved);
    QCOMPARE(written, !link);
    QCOMPARE(TestFiles::read(target), QByteArray("kept"));
    if (!link) {
        QCOMPARE(TestFiles::modeOf(path), 0600);
        QVERIFY(TestFiles::read(path).startsWith("PK"));
    } else {
        QVERIFY(!why.isEmpty());
    }
}

void TestAvailabilityBook::monthlyMailDue_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("lastMonth");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("failedSecsAgo"); // -1: no failure
    QTest::addColumn<QString>("due");
    const QDateTime dec5(QDate(2026, 12, 5), QTime(8, 0));
    QTest::newRow("switched off") << false << 5 << QString() << dec5 << -1 << QString();
    QTest::newRow("before the day") << true << 6 << QString() << dec5 << -1 << QString();
    QTest::newRow("on the day, the month before") << true << 5 << QString() << dec5 << -1 << QStringLiteral("2026-11");
    QTest::newRow("later in the month: the computer was off on the day")
        << true << 1 << QStringLiteral("2026-10") << dec5.addDays(20) << -1 << QStringLiteral("2026-11");
    QTest::newRow("not twice for one month") << true << 5 << QStringLiteral("2026-11") << dec5.addDays(1) << -1
                                             << QString();
    QTest::newRow("January mails December") << true << 5 << QStringLiteral("2026-11") << dec5.addMonths(1) << -1
                                            << QStringLiteral("2026-12");
    QTest::newRow("the clock went back past a month sent") << true << 5 << QStringLiteral("2027-01") << dec5 << -1
                                                           << QString();
    QTest::newRow("a failure waits for the retry") << true << 5 << QString() << dec5 << 600 << QString();
    QTest::newRow("after a failure again") << true << 5 << QString() << dec5 << 3600 << QStringLiteral("2026-11");
    QTest::newRow("a day past 28 counts as 28")
        << true << 31 << QString() << QDateTime(QDate(2027, 2, 28), QTime(0, 1)) << -1 << QStringLiteral("2027-01");
}

void TestAvailabilityBook::monthlyMailDue()
{
    QFETCH(bool, enabled);
    QFETCH(int, day);
    QFETCH(QString, lastMonth);
    QFETCH(QDateTime, now);
    QFETCH(int, failedSecsAgo);
    QFETCH(QString, due);
    AvailabilityMailSchedule::Input input;
    input.enabled = enabled;
    input.day = day;
    input.lastMonth = lastMonth;
    input.now = now;
    input.lastFailure = failedSecsAgo < 0 ? QDateTime() : now.addSecs(-failedSecsAgo);
    input.retrySecs = 3600;
    const QDate month = AvailabilityMailSchedule::dueMonth(input);
    QCOMPARE(month.isValid() ? AvailabilityMailSchedule::monthKey(month) : QString(), due);
}

QTEST_APPLESS_MAIN(TestAvailabilityBook)
#include "tst_availabilitybook.moc"
