#include "AppSettings.h"
#include "HelpManual.h"
#include "Language.h"
#include "MonitoringSession.h"
#include "SettingsStore.h"
#include "TestRows.h"
#include "ThemeManager.h"
#include "ThemeWidgets.h"
#include "WindowMain.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTemporaryDir>
#include <QtTest>

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstTheme_data() { TestRows::add(QStringLiteral("app/app.rows")); }
    void firstTheme();
    void setThemeWithCurrentValueWritesNothing();
    void styleSheetsShareSelectors();
    void iconColours_data() { TestRows::add(QStringLiteral("app/app.rows")); }
    void iconColours();
    void localeMapping_data() { TestRows::add(QStringLiteral("app/app.rows")); }
    void localeMapping();
    void windowMainResetsLanguageToEnglish();
    void catalogueFoundFromAnotherFolder();
    void lastPathWriter_data() { TestRows::add(QStringLiteral("app/app.rows")); }
    void lastPathWriter();
    void reportSettingsStored();
    void dataFolderIsCreatedWithParents();
    void helpManual_data() { TestRows::add(QStringLiteral("app/app.rows")); }
    void helpManual();

private:
    void setDesktopDark(bool dark);
    QTemporaryDir m_home;
    QPalette m_originalPalette;
};

void TestAppSettings::init()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path() + "/data"));
    SettingsStore::open()->clear();
    AppSettings::loadRegistrySettings();
    ThemeManager::resetForTest();
    m_originalPalette = QGuiApplication::palette();
}

void TestAppSettings::cleanup()
{
    QGuiApplication::setPalette(m_originalPalette);
}

void TestAppSettings::setDesktopDark(bool dark)
{
    QPalette palette = m_originalPalette;
    palette.setColor(QPalette::Window, dark ? QColor(30, 30, 30) : QColor(240, 240, 240));
    palette.setColor(QPalette::WindowText, dark ? QColor(240, 240, 240) : QColor(20, 20, 20));
    QGuiApplication::setPalette(palette);
}

void TestAppSettings::firstTheme()
{
    QFETCH(bool, desktopDark);
    QFETCH(QString, storedKey);
    QFETCH(int, storedValue);
    QFETCH(int, expected);

    setDesktopDark(desktopDark);
    if (!storedKey.isEmpty())
        SettingsStore::open()->setValue(storedKey, storedValue);
    QCOMPARE(ThemeManager::currentTheme(), Theme(expected));

    QWidget widget;
    ThemeWidgets::applyTheme(&widget);
    QCOMPARE(widget.styleSheet(), ThemeManager::styleSheet(Theme(expected)));
    QVERIFY(!widget.styleSheet().isEmpty());
}

void TestAppSettings::setThemeWithCurrentValueWritesNothing()
{
    setDesktopDark(true);
    QCOMPARE(ThemeManager::currentTheme(), Theme::Dark);
    QWidget widget;
    QVERIFY(!ThemeWidgets::setTheme(Theme::Dark, &widget));
    QVERIFY(!SettingsStore::open()->contains("Common/theme"));
    QVERIFY(widget.styleSheet().isEmpty());

    QVERIFY(ThemeWidgets::setTheme(Theme::Light, &widget));
    QCOMPARE(SettingsStore::open()->value("Common/theme").toInt(), int(Theme::Light));
    QCOMPARE(widget.styleSheet(), ThemeManager::styleSheet(Theme::Light));
    QVERIFY(ThemeManager::styleSheet(Theme(7)).isEmpty());
}

void TestAppSettings::styleSheetsShareSelectors()
{
    // Both sheets must differ in colour only: strip colours and compare.
    auto shape = [](QString css) {
        css.remove(QRegularExpression("#[0-9A-Fa-f]{6}"));
        css.remove(QRegularExpression("Zentick \\w+ theme"));
        return css;
    };
    QCOMPARE(shape(ThemeManager::styleSheet(Theme::Dark)), shape(ThemeManager::styleSheet(Theme::Light)));
}

void TestAppSettings::iconColours()
{
    QFETCH(int, theme);
    QFETCH(int, kind);
    QFETCH(QString, expected);

    SettingsStore::open()->setValue("Common/theme", theme);
    QCOMPARE(ThemeManager::iconColour(kind), QColor(expected));

    const QIcon icon = ThemeManager::themedIcon(":/icons/resources/icons/info.png", kind);
    if (icon.isNull())
        QSKIP("icon resources not present");
    const QImage normal = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = icon.pixmap(16, 16, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    // Recoloured, the transparent background stays transparent.
    bool sawOpaque = false;
    bool sawClear = false;
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QColor n = normal.pixelColor(x, y);
            sawClear = sawClear || n.alpha() == 0;
            if (n.alpha() < 255)
                continue;
            sawOpaque = true;
            QCOMPARE(n.rgb(), QColor(expected).rgb());
            QCOMPARE(disabled.pixelColor(x, y).rgb(), QColor(158, 158, 158).rgb());
        }
    }
    QVERIFY(sawOpaque && sawClear);
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

void TestAppSettings::windowMainResetsLanguageToEnglish()
{
    // The stored language wins over the locale at start-up...
    SettingsStore::open()->setValue("Common/appLanguage", 5);
    LanguageManager::setupAtStartup();
    QCOMPARE(LanguageManager::currentLanguage(), Language::German);
    // ...and the main window goes back to English.
    MonitoringSession session;
    WindowMain window(session);
    QCOMPARE(LanguageManager::currentLanguage(), Language::English);
    QCOMPARE(SettingsStore::open()->value("Common/appLanguage").toInt(), 0);
    QCOMPARE(window.windowTitle(), QString("QLX Zentick"));
    QCOMPARE(WindowMain::instance(), &window);
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

void TestAppSettings::dataFolderIsCreatedWithParents()
{
    // A fresh data home: neither the company folder nor the product folder exists.
    QTemporaryDir dataHome;
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path() + "/data"));
    const QString path = AppSettings::dataFolderPath();
    QVERIFY(QDir(path).exists());
    QVERIFY(!path.endsWith('/'));
    QCOMPARE(path, QDir::cleanPath(dataHome.path() + "/data/QLX Devices/Zentick"));
    QCOMPARE(AppSettings::stateFilePath(), path + "/settings.xml");
}

void TestAppSettings::helpManual()
{
    QFETCH(QStringList, installed);
    QFETCH(int, language);
    QFETCH(QString, opened);

    QTemporaryDir prefix;
    const auto path = [&prefix](const QString &code) {
        return code.startsWith("share:") ? prefix.filePath("share/zentick/manuals/QLX Zentick " + code.mid(6) + ".pdf")
                                         : prefix.filePath("bin/manuals/QLX Zentick " + code + ".pdf");
    };
    for (const QString &code : installed) {
        QVERIFY(QDir().mkpath(QFileInfo(path(code)).path()));
        QFile manual(path(code));
        QVERIFY(manual.open(QIODevice::WriteOnly));
    }
    const QUrl url = HelpManual::target(prefix.filePath("bin"), Language(language));
    if (opened == "web")
        QCOMPARE(url, QUrl("https://www.qlx-devices.example/"));
    else
        QCOMPARE(url, QUrl::fromLocalFile(path(opened)));
}

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
