#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "notify/ReportFormat.h"
#include "notify/Reporter.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRows.h"
#include "tests/notify/WorkbookProbe.h"
#include "notify/XlsxWritter.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sched.h>
#include <sys/mount.h>

// The report workbook written for real and read back by two readers that are
// not ours, liborcus' document model and openpyxl; and its schedule over real
// clock records.
class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void runs_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void runs();
    void unreadableWorkbookIsNotTouched_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void unreadableWorkbookIsNotTouched();
    void failedSaveOnFullDiskKeepsOldFile();
    void failedSaveAtBadPath_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void failedSaveAtBadPath();
    void valueText_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void valueText();
    void sheetName_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void sheetName();
    void dueCheck_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void dueCheck();
    void runWritesEveryClockFromItsStatus();
    void failedWriteKeepsLastSaveTime();
    void noSecondWriteWhileOneRuns();
    void runsAtEveryFullMinuteWhileEnabled();

private:
    QString path(const QString &name = QStringLiteral("report.xlsx")) const { return m_dir.filePath(name); }
    static DevClock *addClock(const QString &name, const QString &ip, float temperature);
    Reporter &reporter();

    QTemporaryDir m_dir;
    QDateTime m_now;
    std::unique_ptr<Reporter> m_reporter;
    std::unique_ptr<QSignalSpy> m_written;
};

namespace {

ReportRun run(const QString &path, const QString &date, const QVector<ReportEntry> &entries,
              const QString &title = QStringLiteral("Temperature"))
{
    return ReportRun{path, title, date, entries};
}

const QString lobby = QStringLiteral("Lobby (192.168.0.20)");

QMap<QString, QString> cellsOf(const QList<WorkbookProbe::Sheet> &sheets, const QString &name)
{
    for (const WorkbookProbe::Sheet &sheet : sheets) {
        if (sheet.name == name)
            return sheet.cells;
    }
    return {};
}

QStringList namesOf(const QList<WorkbookProbe::Sheet> &sheets)
{
    QStringList names;
    for (const WorkbookProbe::Sheet &sheet : sheets)
        names << sheet.name;
    return names;
}

} // namespace

void TestReport::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    SettingsStore::open()->clear();
    AppSettings::loadRegistrySettings();
    ClockRegistry::resetForTest();
    m_now = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 45));
}

void TestReport::runs()
{
    QFETCH(QJsonArray, runs);
    QFETCH(QStringList, sheets);
    QFETCH(QJsonObject, cells);

    XlsxWritter writers[2];
    for (const QJsonValue &value : runs) {
        const QJsonArray r = value.toArray();
        QVector<ReportEntry> entries;
        for (const QJsonValue &entry : r.at(3).toArray())
            entries.append({entry.toArray().at(0).toString(), entry.toArray().at(1).toString()});
        XlsxWritter &writer = writers[r.at(0).toInt()];
        const QByteArray before = TestFiles::read(path());
        const bool ok = r.at(4).toBool();
        QVERIFY2(writer.writeNow(run(path(), r.at(1).toString(), entries, r.at(2).toString())) == ok,
                 qPrintable(writer.lastError()));
        if (ok)
            QCOMPARE(writer.lastWriteUsedCache(), r.at(5).toBool());
        else
            QCOMPARE(TestFiles::read(path()), before);
    }
    const QList<WorkbookProbe::Sheet> read = WorkbookProbe::readWithOrcusModel(path());
    QCOMPARE(namesOf(read), sheets);
    for (auto it = cells.begin(); it != cells.end(); ++it) {
        QMap<QString, QString> expected;
        for (const QString &cell : it.value().toObject().keys())
            expected.insert(cell, it.value().toObject().value(cell).toString());
        QCOMPARE(cellsOf(read, it.key()), expected);
    }
}

void TestReport::unreadableWorkbookIsNotTouched()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (kind.endsWith(QLatin1String(".xlsx"))) {
        QVERIFY(QFile::copy(TestRows::dataPath(QStringLiteral("notify/") + kind), path()));
    } else {
        const bool huge = kind == QLatin1String("huge");
        const QByteArray workbook = TestRows::readData(QStringLiteral("notify/formula.xlsx"));
        const QByteArray start = kind == QLatin1String("garbage") ? QByteArray("this is a note, not a workbook\n")
                                                                  : workbook.left(huge ? 0 : workbook.size() / 2);
        // A huge one is sparse: it takes no room on the disk.
        QVERIFY(TestFiles::write(path(), start, huge ? qint64(3) << 30 : 0));
    }
    const QByteArray before = TestFiles::read(path());
    const qint64 sizeBefore = QFileInfo(path()).size();

    XlsxWritter writer;
    QVERIFY(!writer.writeNow(run(path(), "2026-12-06 10:05", {{lobby, "21.6°C"}})));
    QVERIFY2(writer.lastError().contains(reason), qPrintable(writer.lastError()));
    QCOMPARE(QFileInfo(path()).size(), sizeBefore);
    QCOMPARE(TestFiles::read(path()), before);
    // And again at the next tick: still refused, still untouched.
    QVERIFY(!writer.writeNow(run(path(), "2026-12-06 10:06", {{lobby, "21.6°C"}})));
    QCOMPARE(TestFiles::read(path()), before);
}

void TestReport::failedSaveOnFullDiskKeepsOldFile()
{
    // A small file system of the test's own, mounted in a mount namespace
    // that only this thread sees, makes the full disk a real one.
    if (unshare(CLONE_NEWNS) != 0)
        QSKIP("a mount namespace of its own needs root");
    QVERIFY(mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0);
    const QString disk = path("disk");
    QVERIFY(QDir().mkpath(disk));
    QVERIFY(mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=256k") == 0);
    struct Unmount
    {
        QByteArray where;
        ~Unmount() { umount2(where.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(disk)};

    const QString target = disk + QStringLiteral("/report.xlsx");
    XlsxWritter writer;
    QVERIFY(writer.writeNow(run(target, "2026-12-06 10:00", {{lobby, "21.5°C"}})));
    const QByteArray before = TestFiles::read(target);

    QFile filler(disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    QCOMPARE(filler.write("x", 1), qint64(-1));
    filler.close();

    QVERIFY(!writer.writeNow(run(target, "2026-12-06 10:05", {{lobby, "21.6°C"}})));
    QCOMPARE(TestFiles::read(target), before);
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "report.xlsx"}));
}

void TestReport::failedSaveAtBadPath()
{
    QFETCH(QString, target);
    QVERIFY(TestFiles::write(path("plain.txt"), "keep me"));
    QVERIFY(QDir(m_dir.path()).mkdir("folder"));

    XlsxWritter writer;
    QVERIFY(!writer.writeNow(run(path(target), "2026-12-06 10:00", {{lobby, "21.5°C"}})));
    QCOMPARE(TestFiles::read(path("plain.txt")), QByteArray("keep me"));
    QVERIFY(QFileInfo(path("folder")).isDir());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"folder", "plain.txt"}));
}

void TestReport::valueText()
{
    QFETCH(int, valueType);
    QFETCH(double, temperature);
    QFETCH(QString, unit);
    QFETCH(int, brightness);
    QFETCH(QString, expected);
    QCOMPARE(ReportFormat::valueText(valueType, temperature, unit, brightness), expected);
}

void TestReport::sheetName()
{
    QFETCH(QString, name);
    QFETCH(QString, ip);
    QFETCH(QString, expected);
    const QString sheet = ReportFormat::sheetName(name, ip);
    QVERIFY2(ReportFormat::isValidSheetName(sheet), qPrintable(sheet));
    if (expected.contains(QLatin1Char('~'))) {
        // The digest is fixed, so compare all but its six characters.
        const int tilde = expected.indexOf(QLatin1Char('~'));
        QCOMPARE(sheet.left(tilde + 1), expected.left(tilde + 1));
        QCOMPARE(sheet.mid(tilde + 7), expected.mid(tilde + 7));
        QCOMPARE(sheet.size(), expected.size());
    } else {
        QCOMPARE(sheet, expected);
    }
    // The same clock always lands on the same sheet, another one on another.
    QCOMPARE(ReportFormat::sheetName(name, ip), sheet);
    QVERIFY(ReportFormat::sheetName(name + QLatin1Char('x'), ip) != sheet);

    // And the file format accepts it.
    XlsxWritter writer;
    QVERIFY(writer.writeNow(run(path(), "2026-12-06 10:00", {{sheet, "1°C"}})));
    QCOMPARE(namesOf(WorkbookProbe::readWithOrcusModel(path())), QStringList{sheet});
}

namespace {

constexpr int waitMs = 60000;

void configure(const QString &path, int interval, int valueType, const QDateTime &lastSaveTime)
{
    ReportSettings settings;
    settings.filepath = path;
    settings.interval = interval;
    settings.valueType = valueType;
    AppSettings::saveReportSettings(true, settings);
    if (lastSaveTime.isValid())
        AppSettings::saveReportLastSaveTime(lastSaveTime);
    else
        AppSettings::reportSettings().lastSaveTime = QDateTime();
}

} // namespace

void TestReport::cleanup()
{
    m_written.reset();
    m_reporter.reset();
    ClockRegistry::resetForTest();
}

// A reporter on the test's clock; m_written hears its runs.
Reporter &TestReport::reporter()
{
    if (!m_reporter) {
        m_reporter = std::make_unique<Reporter>(*ClockRegistry::instance());
        m_reporter->setClock([this] { return m_now; });
        m_written = std::make_unique<QSignalSpy>(m_reporter.get(), &Reporter::reportWritten);
    }
    return *m_reporter;
}

DevClock *TestReport::addClock(const QString &name, const QString &ip, float temperature)
{
    auto *clock = new DevClock;
    clock->name = name;
    clock->network.ip = ip;
    clock->status.temperature = temperature;
    clock->status.brightness = 40;
    ClockRegistry::instance()->addClock(clock);
    return clock;
}

void TestReport::dueCheck()
{
    QFETCH(int, interval);
    QFETCH(int, secondsSinceLastRun);
    QFETCH(bool, writes);

    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"), 21.5f);
    const QDateTime last = secondsSinceLastRun < 0 ? QDateTime() : m_now.addSecs(-secondsSinceLastRun);
    configure(path(), interval, 0, last);
    reporter().tick();
    QCOMPARE(reporter().writer()->isWriting(), writes);
    if (!writes) {
        QVERIFY(!QFile::exists(path()));
        QCOMPARE(AppSettings::reportSettings().lastSaveTime, last);
        return;
    }
    QVERIFY(m_written->wait(waitMs));
    QCOMPARE(m_written->at(0).at(0).toBool(), true);
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, m_now);
    // Stored for the next start as well.
    AppSettings::loadReportSettings();
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, m_now);
}

void TestReport::runWritesEveryClockFromItsStatus()
{
    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"), 21.5f);
    addClock(QString(), QStringLiteral("192.168.0.21"), -256.0f);
    addClock(QStringLiteral("Roof"), QStringLiteral("192.168.0.22"), -256.1f);
    configure(path(), 0, 0, QDateTime());
    reporter().tick();
    QVERIFY(m_written->wait(waitMs));
    // Five minutes later, in brightness.
    m_now = m_now.addSecs(300);
    configure(path(), 0, 1, AppSettings::reportSettings().lastSaveTime);
    reporter().tick();
    QVERIFY(m_written->wait(waitMs));
    QCOMPARE(m_written->count(), 2);
    // The second write on the worker built on what the first had read.
    QVERIFY(reporter().writer()->lastWriteUsedCache());

    const QList<WorkbookProbe::Sheet> sheets = WorkbookProbe::readWithOrcusModel(path());
    QCOMPARE(namesOf(sheets), (QStringList{lobby, "Clock (192.168.0.21)", "Roof (192.168.0.22)"}));
    const QMap<QString, QString> lobbyCells{{"A1", "s:Date"}, {"B1", "s:Temperature"}, {"C1", "s:Brightness"},
                                            {"A2", "s:2026-12-06 10:00"}, {"B2", "s:21.5°C"},
                                            {"A3", "s:2026-12-06 10:05"}, {"C3", "s:40%"}};
    QCOMPARE(sheets.at(0).cells, lobbyCells);
    QCOMPARE(sheets.at(1).cells.value("B2"), QStringLiteral("s:-256°C"));
    QCOMPARE(sheets.at(2).cells.value("B2"), QStringLiteral("s:Invalid"));

    // Another reader takes the same texts, widths, fonts and alignment.
    const QJsonArray python = WorkbookProbe::readWithOpenpyxl(path());
    QCOMPARE(python.size(), 3);
    const QJsonObject first = python.at(0).toObject();
    const QJsonObject cells = first.value("cells").toObject();
    QCOMPARE(cells.keys(), lobbyCells.keys());
    QCOMPARE(cells.value("A2").toArray(), (QJsonArray{"s", "2026-12-06 10:00"}));
    QCOMPARE(cells.value("B2").toArray(), (QJsonArray{"s", "21.5°C"}));
    const QJsonObject widths = first.value("widths").toObject();
    QCOMPARE(widths.keys(), (QStringList{"A", "B", "C"}));
    // The library stores a width with its padding: 25 characters read back as 25.7109375.
    QVERIFY(qAbs(widths.value("A").toDouble() - 25.7) < 0.1);
    QCOMPARE(first.value("A1").toObject(),
             (QJsonObject{{"bold", true}, {"size", 11.0}, {"align", "center"}, {"border", false}}));
    QCOMPARE(first.value("A2").toObject(),
             (QJsonObject{{"bold", false}, {"size", 11.0}, {"align", "left"}, {"border", false}}));
}

void TestReport::failedWriteKeepsLastSaveTime()
{
    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"), 21.5f);
    const QDateTime last = m_now.addSecs(-3600);
    configure(path(QStringLiteral("gone/report.xlsx")), 0, 0, last);
    reporter().tick();
    QVERIFY(m_written->wait(waitMs));
    QCOMPARE(m_written->at(0).at(0).toBool(), false);
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, last);

    // The next minute tries again, and succeeds once the folder is there.
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("gone")));
    m_now = m_now.addSecs(60);
    reporter().tick();
    QVERIFY(m_written->wait(waitMs));
    QCOMPARE(m_written->at(1).at(0).toBool(), true);
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, m_now);
}

void TestReport::noSecondWriteWhileOneRuns()
{
    for (int i = 0; i < 20; ++i)
        addClock(QStringLiteral("Clock %1").arg(i), QStringLiteral("10.0.0.%1").arg(i), 20.0f + i);
    configure(path(), 0, 0, QDateTime());
    const QDateTime firstRun = m_now;
    reporter().tick();
    QVERIFY(reporter().writer()->isWriting());
    // A tick that finds the report due again while the first write runs
    // starts nothing, and the first write is stored with its own time; the
    // writer itself refuses a second write meanwhile.
    m_now = m_now.addSecs(600);
    reporter().tick();
    QVERIFY(!reporter().writer()->startWrite(run(path(), "2026-12-06 10:10", {{lobby, "9°C"}})));
    QVERIFY(!reporter().writer()->writeNow(run(path(), "2026-12-06 10:10", {{lobby, "9°C"}})));
    QVERIFY(m_written->wait(waitMs));
    QVERIFY(!reporter().writer()->isWriting());
    QCoreApplication::processEvents();
    QCOMPARE(m_written->count(), 1);
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, firstRun);

    const QList<WorkbookProbe::Sheet> sheets = WorkbookProbe::readWithOrcusModel(path());
    QVERIFY(!sheets.isEmpty());
    QCOMPARE(sheets.at(0).cells.value("A2"), QStringLiteral("s:2026-12-06 10:00"));
    QCOMPARE(sheets.at(0).cells.value("A3"), QString());
}

void TestReport::runsAtEveryFullMinuteWhileEnabled()
{
    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"), 21.5f);
    configure(path(), 0, 0, QDateTime());
    auto *timer = reporter().findChild<QTimer *>();
    QVERIFY(timer);
    // Switching on runs a tick at once; the next comes at the full minute.
    reporter().setEnabled(true);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 15000);
    QVERIFY(m_written->wait(waitMs));
    QVERIFY(QFile::exists(path()));
    m_now = m_now.addSecs(15);
    reporter().tick();
    QCOMPARE(timer->interval(), 60000);
    reporter().setEnabled(false);
    QVERIFY(!timer->isActive());
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
