#include "core/AppSettings.h"
#include "core/Language.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestRows.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// The settings store's values, the data folder and the interface language,
// with settings and data in a temporary folder.
class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void localeMapping_data() { TestRows::add(QStringLiteral("core/app.rows")); }
    void localeMapping();
    void catalogueFoundFromAnotherFolder();
    void correctedEnglish_data() { TestRows::add(QStringLiteral("core/english.rows")); }
    void correctedEnglish();
    void englishCatalogueCorrectsNothingElse();
    void lastPathWriter_data() { TestRows::add(QStringLiteral("core/app.rows")); }
    void lastPathWriter();
    void reportSettingsStored();
    void dataFolderIsOnlyNamed();

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

void TestAppSettings::localeMapping()
{
    QFETCH(QString, locale);
    QFETCH(int, index);
    QFETCH(QString, code);
    const Language language = Language(index);
    QCOMPARE(LanguageManager::languageForLocaleName(locale), language);
    QCOMPARE(LanguageManager::languageCode(language), code);
    QCOMPARE(LanguageManager::translationFileName(language), "translations/ZTK_" + code.toLower() + ".qm");

    // With nothing stored, start-up takes the system locale.
    if (QLocale(locale).name() != locale)
        return; // Qt normalises it; only the name mapping applies
    QLocale::setDefault(QLocale(locale));
    LanguageManager::setupAtStartup();
    QCOMPARE(LanguageManager::currentLanguage(), language);
    QCOMPARE(SettingsStore::open()->value("Common/appLanguage").toInt(), index);
    QLocale::setDefault(QLocale::c());
}

void TestAppSettings::catalogueFoundFromAnotherFolder()
{
    // Started from a folder without translations/: the catalogue beside the
    // program is used.
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    LanguageManager::setLanguage(Language::German);
    const QString german = QCoreApplication::translate("Error", "Authorization error");
    LanguageManager::setLanguage(Language::English);
    const QString english = QCoreApplication::translate("Error", "Authorization error");
    QDir::setCurrent(previous);

    QCOMPARE(german, QString("Autorisierungsfehler"));
    QCOMPARE(english, QString("Authorization error"));
}

void TestAppSettings::correctedEnglish()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, english);

    // As zentick-cli loads it: the stored language stays as it was.
    LanguageManager::installCatalogue(Language::English);
    const int count = source.contains("%n") ? 3 : -1;
    QCOMPARE(QCoreApplication::translate(context.toUtf8().constData(), source.toUtf8().constData(), nullptr, count),
             QString(english).replace("%n", QString::number(count)));
    QVERIFY(!SettingsStore::open()->contains("Common/appLanguage"));
}

void TestAppSettings::englishCatalogueCorrectsNothingElse()
{
    // A text the mails, the report or a stored value carry must not change
    // in English: only the listed corrections may be translated.
    QStringList listed;
    for (const QByteArray &line : TestRows::readData(QStringLiteral("core/english.rows")).split('\n')) {
        if (line.startsWith('[')) {
            const QJsonArray row = QJsonDocument::fromJson(line).array();
            listed << row.at(1).toString() + " | " + row.at(2).toString();
        }
    }
    QFile file(qEnvironmentVariable("ZENTICK_SOURCE_DIR") + "/translations/ZTK_en.ts");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList translated;
    QString context;
    QString source;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && xml.attributes().value("type").isEmpty())
            translated << context + " | " + source;
    }
    listed.sort();
    translated.sort();
    QCOMPARE(translated, listed);
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

void TestAppSettings::reportSettingsStored()
{
    const QDateTime saved(QDate(2026, 1, 2), QTime(3, 4, 5));
    AppSettings::saveReportLastSaveTime(saved);
    ReportSettings changed;
    changed.filepath = "/tmp/other.xlsx";
    changed.interval = 2;
    changed.valueType = 1;
    changed.lastSaveTime = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    // Saving the dialog's settings keeps the time of the last run.
    AppSettings::saveReportSettings(true, changed);
    QCOMPARE(AppSettings::reportSettings().lastSaveTime, saved);

    // Each value under the key of its own name, read back at the next start.
    const auto store = SettingsStore::open();
    QCOMPARE(store->value("Report/lastSaveTime").toString(), QString("2026-01-02 03:04:05"));
    QCOMPARE(store->value("Report/interval").toInt(), 2);
    QCOMPARE(store->value("Report/valueType").toInt(), 1);
    AppSettings::reportSettings() = ReportSettings();
    AppSettings::loadReportSettings();
    const ReportSettings &report = AppSettings::reportSettings();
    QCOMPARE(report.enabled, true);
    QCOMPARE(report.filepath, QString("/tmp/other.xlsx"));
    QCOMPARE(report.interval, 2);
    QCOMPARE(report.valueType, 1);
    QCOMPARE(report.lastSaveTime, saved);

    store->setValue("Report/lastSaveTime", "yesterday");
    AppSettings::loadReportSettings();
    QVERIFY(!AppSettings::reportSettings().lastSaveTime.isValid());
}

void TestAppSettings::dataFolderIsOnlyNamed()
{
    // A fresh data home: asking where the folder is makes none of it; its
    // writers do (tests/cli, dataFolderOnlyForWriters).
    QTemporaryDir dataHome;
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path() + "/data"));
    const QString path = AppSettings::dataFolderPath();
    QVERIFY(!QFileInfo::exists(dataHome.path() + "/data"));
    QCOMPARE(path, QDir::cleanPath(dataHome.path() + "/data/QLX Devices/Zentick"));
    QCOMPARE(AppSettings::stateFilePath(), path + "/settings.xml");
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
