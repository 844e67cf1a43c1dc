#include "AppSettings.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "Reporter.h"
#include "SettingsStore.h"
#include "TestRows.h"
#include "WorkbookProbe.h"
#include "XlsxWritter.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The report schedule over real clocks records and real workbook files.
class TestReporter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dueCheck_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void dueCheck();
    void runWritesEveryClockFromItsStatus();
    void failedWriteKeepsLastSaveTime();
    void noSecondWriteWhileOneRuns();
    void timerFiresAtTheNextFullMinute();
    void enablingRunsATickAtOnce();

private:
    static DevClock *addClock(const QString &name, const QString &ip, float temperature);
    QString reportPath() const { return m_dir.filePath(QStringLiteral("report.xlsx")); }

    QTemporaryDir m_dir;
    QDateTime m_now;
};

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

void TestReporter::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(reportPath());
    SettingsStore::open()->clear();
    AppSettings::loadRegistrySettings();
    ClockRegistry::resetForTest();
    m_now = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 45));
}

void TestReporter::cleanup()
{
    ClockRegistry::resetForTest();
}

DevClock *TestReporter::addClock(const QString &name, const QString &ip, float temperature)
{
    auto *clock = new DevClock;
    clock->name = name;
    clock->network.ip = ip;
    clock->status.temperature = temperature;
    clock->status.brightness = 40;
    ClockRegistry::instance()->addClock(clock);
    return clock;
}

void TestReporter::dueCheck()
{
    QFETCH(int, interval);
    QFETCH(int, secondsSinceLastRun);
    QFETCH(bool, writes);

    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"), 21.5f);
    const QDateTime last = secondsSinceLastRun < 0 ? QDateTime() : m_now.addSecs(-secondsSinceLastRun);
    configure(reportPath(), interval, 0, last);

    Reporter reporter;
    reporter.setClock([this] { return m_now; });
    QSignalSpy written(&reporter, &Reporter::reportWritten);
    reporter.tick();
    QCOMPARE(reporter.writer()->isWriting(), writes);
    if (!writes) {
        QVERIFY(!QFile::exists(reportPath()));
        QCOMPARE(AppSettings::reportSettings().lastSaveTime, last);
        return;
    }
    QVERIFY(written.wait(waitMs));
    QCOMPARE(written.at(0).at(0).toBool(), true);
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, m_now);
    // Stored for the next start as well.
    AppSettings::loadReportSettings();
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, m_now);
}

void TestReporter::runWritesEveryClockFromItsStatus()
{
    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"), 21.5f);
    addClock(QStringLiteral(""), QStringLiteral("192.168.0.21"), -256.0f);
    addClock(QStringLiteral("Roof"), QStringLiteral("192.168.0.22"), -256.1f);
    configure(reportPath(), 0, 0, QDateTime());

    Reporter reporter;
    reporter.setClock([this] { return m_now; });
    QSignalSpy written(&reporter, &Reporter::reportWritten);
    reporter.tick();
    QVERIFY(written.wait(waitMs));

    // Five minutes later, in brightness.
    m_now = m_now.addSecs(300);
    configure(reportPath(), 0, 1, AppSettings::reportSettings().lastSaveTime);
    reporter.tick();
    QVERIFY(written.wait(waitMs));
    QCOMPARE(written.count(), 2);

    bool ok = false;
    const QList<WorkbookProbe::Sheet> sheets = WorkbookProbe::readWithOrcusModel(reportPath(), &ok);
    QVERIFY(ok);
    QCOMPARE(sheets.size(), 3);
    QCOMPARE(sheets.at(0).name, QStringLiteral("Lobby (192.168.0.20)"));
    QCOMPARE(sheets.at(1).name, QStringLiteral("Clock (192.168.0.21)"));
    QCOMPARE(sheets.at(2).name, QStringLiteral("Roof (192.168.0.22)"));
    const QMap<QString, QString> lobby{{"A1", "s:Date"},
                                       {"B1", "s:Temperature"},
                                       {"C1", "s:Brightness"},
                                       {"A2", "s:2026-12-06 10:00"},
                                       {"B2", "s:21.5°C"},
                                       {"A3", "s:2026-12-06 10:05"},
                                       {"C3", "s:40%"}};
    QCOMPARE(sheets.at(0).cells, lobby);
    QCOMPARE(sheets.at(1).cells.value("B2"), QStringLiteral("s:-256°C"));
    QCOMPARE(sheets.at(2).cells.value("B2"), QStringLiteral("s:Invalid"));

    // Another reader accepts it too.
    const QJsonArray python = WorkbookProbe::readWithOpenpyxl(reportPath());
    QCOMPARE(python.size(), 3);
    QCOMPARE(python.at(2).toObject().value("cells").toObject().value("B2").toArray().at(1).toString(),
             QStringLiteral("Invalid"));
}

void TestReporter::failedWriteKeepsLastSaveTime()
{
    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"), 21.5f);
    const QDateTime last = m_now.addSecs(-3600);
    configure(m_dir.filePath(QStringLiteral("gone/report.xlsx")), 0, 0, last);

    Reporter reporter;
    reporter.setClock([this] { return m_now; });
    QSignalSpy written(&reporter, &Reporter::reportWritten);
    reporter.tick();
    QVERIFY(written.wait(waitMs));
    QCOMPARE(written.at(0).at(0).toBool(), false);
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, last);

    // The next minute tries again, and succeeds once the folder is there.
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("gone")));
    m_now = m_now.addSecs(60);
    reporter.tick();
    QVERIFY(written.wait(waitMs));
    QCOMPARE(written.at(1).at(0).toBool(), true);
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, m_now);
}

void TestReporter::noSecondWriteWhileOneRuns()
{
    for (int i = 0; i < 20; ++i)
        addClock(QStringLiteral("Clock %1").arg(i), QStringLiteral("10.0.0.%1").arg(i), 20.0f + i);
    configure(reportPath(), 0, 0, QDateTime());

    Reporter reporter;
    reporter.setClock([this] { return m_now; });
    QSignalSpy written(&reporter, &Reporter::reportWritten);
    reporter.tick();
    QVERIFY(reporter.writer()->isWriting());
    // A tick that finds the report due again while the first write runs.
    m_now = m_now.addSecs(600);
    reporter.tick();
    QVERIFY(written.wait(waitMs));
    // The second tick found a write running and started none of its own.
    QVERIFY(!reporter.writer()->isWriting());
    QCoreApplication::processEvents();
    QCOMPARE(written.count(), 1);

    bool ok = false;
    const QList<WorkbookProbe::Sheet> sheets = WorkbookProbe::readWithOrcusModel(reportPath(), &ok);
    QVERIFY(ok);
    QCOMPARE(sheets.at(0).cells.value("A2"), QStringLiteral("s:2026-12-06 10:00"));
    QCOMPARE(sheets.at(0).cells.value("A3"), QString());
}

void TestReporter::timerFiresAtTheNextFullMinute()
{
    configure(reportPath(), 0, 0, m_now);
    Reporter reporter;
    reporter.setClock([this] { return m_now; });
    auto *timer = reporter.findChild<QTimer *>();
    QVERIFY(timer);
    reporter.tick();
    QCOMPARE(timer->interval(), 15000);
    m_now = m_now.addSecs(15);
    reporter.tick();
    QCOMPARE(timer->interval(), 60000);
}

void TestReporter::enablingRunsATickAtOnce()
{
    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"), 21.5f);
    configure(reportPath(), 0, 0, QDateTime());
    Reporter reporter;
    reporter.setClock([this] { return m_now; });
    auto *timer = reporter.findChild<QTimer *>();
    QSignalSpy written(&reporter, &Reporter::reportWritten);
    reporter.setEnabled(true);
    QVERIFY(timer->isActive());
    QVERIFY(written.wait(waitMs));
    QVERIFY(QFile::exists(reportPath()));
    reporter.setEnabled(false);
    QVERIFY(!timer->isActive());
}

QTEST_GUILESS_MAIN(TestReporter)
#include "tst_reporter.moc"
