#include "ImageExt.h"
#include "Language.h"
#include "SettingsStore.h"
#include "ThemeManager.h"
#include "ThemeWidgets.h"
#include "MonitoringSession.h"
#include "WindowMain.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QTemporaryDir>
#include <QtTest>

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstTheme_data();
    void firstTheme();
    void setThemeWithCurrentValueWritesNothing();
    void styleSheetsShareSelectors();
    void iconColours_data();
    void iconColours();
    void colouriseKeepsAlpha();
    void localeMapping_data();
    void localeMapping();
    void storedLanguageWinsOverLocale();
    void windowMainResetsLanguageToEnglish();
    void catalogueFoundFromAnotherFolder();

private:
    void setDesktopDark(bool dark);
    QTemporaryDir m_home;
    QPalette m_originalPalette;
};

void TestTheme::init()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path() + "/data"));
    SettingsStore::open()->clear();
    ThemeManager::resetForTest();
    m_originalPalette = QGuiApplication::palette();
}

void TestTheme::cleanup()
{
    QGuiApplication::setPalette(m_originalPalette);
}

void TestTheme::setDesktopDark(bool dark)
{
    QPalette palette = m_originalPalette;
    palette.setColor(QPalette::Window, dark ? QColor(30, 30, 30) : QColor(240, 240, 240));
    palette.setColor(QPalette::WindowText, dark ? QColor(240, 240, 240) : QColor(20, 20, 20));
    QGuiApplication::setPalette(palette);
}

void TestTheme::firstTheme_data()
{
    QTest::addColumn<bool>("desktopDark");
    QTest::addColumn<QString>("storedKey");
    QTest::addColumn<int>("storedValue");
    QTest::addColumn<int>("expected");

    QTest::newRow("dark desktop, nothing stored") << true << "" << 0 << int(ThemeDark);
    QTest::newRow("light desktop, nothing stored") << false << "" << 0 << int(ThemeLight);
    QTest::newRow("stored light overrides dark desktop") << true << "Common/theme" << 1 << int(ThemeLight);
    QTest::newRow("stored dark overrides light desktop") << false << "Common/theme" << 0 << int(ThemeDark);
    QTest::newRow("key compared without case") << true << "common/Theme" << 1 << int(ThemeLight);
}

void TestTheme::firstTheme()
{
    QFETCH(bool, desktopDark);
    QFETCH(QString, storedKey);
    QFETCH(int, storedValue);
    QFETCH(int, expected);

    setDesktopDark(desktopDark);
    if (!storedKey.isEmpty())
        SettingsStore::open()->setValue(storedKey, storedValue);
    QCOMPARE(ThemeManager::currentTheme(), expected);

    QWidget widget;
    ThemeWidgets::applyTheme(&widget);
    QCOMPARE(widget.styleSheet(), ThemeManager::styleSheet(expected));
    QVERIFY(!widget.styleSheet().isEmpty());
}

void TestTheme::setThemeWithCurrentValueWritesNothing()
{
    setDesktopDark(true);
    QCOMPARE(ThemeManager::currentTheme(), int(ThemeDark));
    QWidget widget;
    QVERIFY(!ThemeWidgets::setTheme(ThemeDark, &widget));
    QVERIFY(!SettingsStore::open()->contains("Common/theme"));
    QVERIFY(widget.styleSheet().isEmpty());

    QVERIFY(ThemeWidgets::setTheme(ThemeLight, &widget));
    QCOMPARE(SettingsStore::open()->value("Common/theme").toInt(), int(ThemeLight));
    QCOMPARE(widget.styleSheet(), ThemeManager::styleSheet(ThemeLight));
    QVERIFY(ThemeManager::styleSheet(7).isEmpty());
}

void TestTheme::styleSheetsShareSelectors()
{
    // Both sheets must differ in colour only: strip colours and compare.
    auto shape = [](QString css) {
        css.remove(QRegularExpression("#[0-9A-Fa-f]{6}"));
        css.remove(QRegularExpression("Zentick \\w+ theme"));
        return css;
    };
    QCOMPARE(shape(ThemeManager::styleSheet(ThemeDark)), shape(ThemeManager::styleSheet(ThemeLight)));

    const struct { int theme; const char *warning; const char *critical; const char *background; } expected[] = {
        {ThemeDark, "#FDD835", "#FF5252", "#212121"},
        {ThemeLight, "#FF6F00", "#D50000", "#DBDBDB"},
    };
    for (const auto &e : expected) {
        ThemeManager::resetForTest();
        SettingsStore::open()->setValue("Common/theme", e.theme);
        MonitoringSession session;
        WindowMain window(session);
        window.ensurePolished();
        QCOMPARE(window.labelGoodColor(), QColor("#7CB342"));
        QCOMPARE(window.labelWarningColor(), QColor(e.warning));
        QCOMPARE(window.labelCriticalColor(), QColor(e.critical));
        QVERIFY(ThemeManager::styleSheet(e.theme).contains(e.background));
    }
}

void TestTheme::iconColours_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("ordinary icon, dark theme") << int(ThemeDark) << 0 << QColor(250, 250, 250);
    QTest::newRow("ordinary icon, light theme") << int(ThemeLight) << 0 << QColor(33, 33, 33);
    QTest::newRow("kind 1, light theme") << int(ThemeLight) << 1 << QColor(250, 250, 250);
    QTest::newRow("kind 2, light theme") << int(ThemeLight) << 2 << QColor(250, 250, 250);
    QTest::newRow("kind 1, dark theme") << int(ThemeDark) << 1 << QColor(33, 33, 33);
    QTest::newRow("unknown theme counts as not dark") << 5 << 0 << QColor(33, 33, 33);
}

void TestTheme::iconColours()
{
    QFETCH(int, theme);
    QFETCH(int, kind);
    QFETCH(QColor, expected);

    SettingsStore::open()->setValue("Common/theme", theme);
    QCOMPARE(ThemeManager::iconColour(kind), expected);

    const QIcon icon = ThemeManager::themedIcon(":/icons/resources/icons/info.png", kind);
    if (icon.isNull())
        QSKIP("icon resources not present");
    const QImage normal = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = icon.pixmap(16, 16, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    bool sawOpaque = false;
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QColor n = normal.pixelColor(x, y);
            if (n.alpha() < 255)
                continue;
            sawOpaque = true;
            QCOMPARE(n.rgb(), expected.rgb());
            QCOMPARE(disabled.pixelColor(x, y).rgb(), QColor(158, 158, 158).rgb());
        }
    }
    QVERIFY(sawOpaque);
}

void TestTheme::colouriseKeepsAlpha()
{
    ImageExt image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 0));
    image.setPixel(1, 0, qRgba(10, 20, 30, 128));
    image.colourise(QColor(250, 250, 250));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(1, 0)), 128);
    QCOMPARE(qRed(image.pixel(1, 0)), 250);
}

void TestTheme::localeMapping_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("code");

    QTest::newRow("en_US is not listed") << "en_US" << 0 << "EN";
    QTest::newRow("en_EN") << "en_EN" << 0 << "EN";
    QTest::newRow("pl_PL") << "pl_PL" << 1 << "PL";
    QTest::newRow("es_ES") << "es_ES" << 2 << "ES";
    QTest::newRow("fr_FR") << "fr_FR" << 3 << "FR";
    QTest::newRow("it_IT") << "it_IT" << 4 << "IT";
    QTest::newRow("de_DE") << "de_DE" << 5 << "DE";
    QTest::newRow("de_AT falls back") << "de_AT" << 0 << "EN";
    QTest::newRow("case-sensitive") << "DE_de" << 0 << "EN";
}

void TestTheme::localeMapping()
{
    QFETCH(QString, locale);
    QFETCH(int, index);
    QFETCH(QString, code);
    QCOMPARE(LanguageManager::languageForLocaleName(locale), index);
    QCOMPARE(LanguageManager::languageCode(index), code);
    QCOMPARE(LanguageManager::translationFileName(index), "translations/ZTK_" + code.toLower() + ".qm");

    // With nothing stored, start-up takes the system locale.
    if (QLocale(locale).name() != locale)
        return; // Qt normalises it; only the name mapping applies
    QLocale::setDefault(QLocale(locale));
    LanguageManager::setupAtStartup();
    QCOMPARE(LanguageManager::currentLanguage(), index);
    QCOMPARE(SettingsStore::open()->value("Common/appLanguage").toInt(), index);
    QLocale::setDefault(QLocale::c());
}

void TestTheme::storedLanguageWinsOverLocale()
{
    SettingsStore::open()->setValue("Common/appLanguage", 3);
    QLocale::setDefault(QLocale("de_DE"));
    LanguageManager::setupAtStartup();
    QCOMPARE(LanguageManager::currentLanguage(), 3);
    QCOMPARE(LanguageManager::languageCode(9), QString("EN"));
    QLocale::setDefault(QLocale::c());
}

void TestTheme::windowMainResetsLanguageToEnglish()
{
    SettingsStore::open()->setValue("Common/appLanguage", 5);
    LanguageManager::setupAtStartup();
    QCOMPARE(LanguageManager::currentLanguage(), 5);
    MonitoringSession session;
    WindowMain window(session);
    QCOMPARE(LanguageManager::currentLanguage(), 0);
    QCOMPARE(SettingsStore::open()->value("Common/appLanguage").toInt(), 0);
    QCOMPARE(window.windowTitle(), QString("QLX Zentick"));
    QCOMPARE(WindowMain::instance(), &window);
}

void TestTheme::catalogueFoundFromAnotherFolder()
{
    // Started from a folder without translations/: the catalogue beside the
    // program is used.
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    LanguageManager::setLanguage(5);
    const QString german = QCoreApplication::translate("Error", "Authorization error");
    LanguageManager::setLanguage(0);
    const QString english = QCoreApplication::translate("Error", "Authorization error");
    QDir::setCurrent(previous);

    QCOMPARE(german, QString("Autorisierungsfehler"));
    QCOMPARE(english, QString("Authorization error"));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
