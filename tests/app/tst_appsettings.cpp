#include "AppSettings.h"
#include "SettingsStore.h"
#include "TestRows.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lastPathWriter_data() { TestRows::add(QStringLiteral("app/app.rows")); }
    void lastPathWriter();
    void reportValuesRead_data();
    void reportValuesRead();
    void savingReportSettingsKeepsLastSaveTime();
    void dataFolderIsCreatedWithParents();

private:
    QTemporaryDir m_home;
};

void TestAppSettings::init()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path() + "/data"));
    SettingsStore::open()->clear();
    AppSettings::loadRegistrySettings();
}

void TestAppSettings::lastPathWriter()
{
    QFETCH(QString, previous);
    QFETCH(QString, chosen);
    QFETCH(QString, expected);

    if (!previous.isEmpty())
        AppSettings::setLastPath(previous + "f");
    AppSettings::setLastPath(chosen);
    QCOMPARE(AppSettings::lastPath(), expected);

    const QVariant stored = SettingsStore::open()->value("Common/LastPath");
    QCOMPARE(stored.isValid(), !expected.isEmpty());
    if (stored.isValid())
        QCOMPARE(stored.toString(), expected);

    AppSettings::loadLastPath();
    QCOMPARE(AppSettings::lastPath(), expected);
}

void TestAppSettings::reportValuesRead_data()
{
    QTest::addColumn<QString>("storedTime");
    QTest::addColumn<QDateTime>("expectedTime");

    QTest::newRow("well-formed time") << "2026-03-01 14:05:09" << QDateTime(QDate(2026, 3, 1), QTime(14, 5, 9));
    QTest::newRow("text that does not parse") << "yesterday" << QDateTime();
}

void TestAppSettings::reportValuesRead()
{
    QFETCH(QString, storedTime);
    QFETCH(QDateTime, expectedTime);
    {
        const auto store = SettingsStore::open();
        store->setValue("Report/enabled", true);
        store->setValue("Report/filepath", "/tmp/r.xlsx");
        store->setValue("Report/fileType", 0);
        store->setValue("Report/interval", 3);
        store->setValue("Report/valueType", 1);
        store->setValue("Report/lastSaveTime", storedTime);
    }
    AppSettings::loadReportSettings();
    const ReportSettings &report = AppSettings::reportSettings();
    QCOMPARE(report.enabled, true);
    QCOMPARE(report.filepath, QString("/tmp/r.xlsx"));
    QCOMPARE(report.interval, 3);
    QCOMPARE(report.valueType, 1);
    QCOMPARE(report.lastSaveTime, expectedTime);
}

void TestAppSettings::savingReportSettingsKeepsLastSaveTime()
{
    const QDateTime saved(QDate(2026, 1, 2), QTime(3, 4, 5));
    AppSettings::saveReportLastSaveTime(saved);

    ReportSettings changed;
    changed.filepath = "/tmp/other.xlsx";
    changed.interval = 2;
    changed.valueType = 1;
    changed.lastSaveTime = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    AppSettings::saveReportSettings(true, changed);

    QCOMPARE(AppSettings::reportSettings().lastSaveTime, saved);
    QCOMPARE(SettingsStore::open()->value("Report/lastSaveTime").toString(), QString("2026-01-02 03:04:05"));
    // Interval and value type each go to the key of their own name.
    QCOMPARE(SettingsStore::open()->value("Report/interval").toInt(), 2);
    QCOMPARE(SettingsStore::open()->value("Report/valueType").toInt(), 1);

    AppSettings::loadReportSettings();
    QCOMPARE(AppSettings::reportSettings().enabled, true);
    QCOMPARE(AppSettings::reportSettings().filepath, QString("/tmp/other.xlsx"));
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, saved);
}

void TestAppSettings::dataFolderIsCreatedWithParents()
{
    // A fresh data home: neither the company folder nor the product folder exists.
    QVERIFY(!QDir(m_home.path() + "/data/QLX Devices").exists());
    const QString path = AppSettings::dataFolderPath();
    QVERIFY(QDir(path).exists());
    QVERIFY(!path.endsWith('/'));
    QCOMPARE(path, QDir::cleanPath(m_home.path() + "/data/QLX Devices/Zentick"));
    QCOMPARE(AppSettings::stateFilePath(), path + "/settings.xml");
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
