#include "ImageExt.h"
#include "Language.h"
#include "SettingsStore.h"
#include "ThemeManager.h"
#include "TestRows.h"
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
    void firstTheme_data() { TestRows::add(QStringLiteral("app/app.rows")); }
    void firstTheme();
    void setThemeWithCurrentValueWritesNothing();
    void styleSheetsShareSelectors();
    void iconColours_data() { TestRows::add(QStringLiteral("app/app.rows")); }
    void iconColours();
    void colouriseKeepsAlpha();
    void localeMapping_data() { TestRows::add(QStringLiteral("app/app.rows")); }
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
}

void TestTheme::iconColours()
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
    bool sawOpaque = false;
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QColor n = normal.pixelColor(x, y);
            if (n.alpha() < 255)
                continue;
            sawOpaque = true;
            QCOMPARE(n.rgb(), QColor(expected).rgb());
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
