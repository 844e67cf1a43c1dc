#include "desktop/HelpManual.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRows.h"
#include "desktop/ThemeManager.h"
#include "ui/widgets/ThemeWidgets.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

// The themes (which one a first start picks, their style sheets, the tinted
// icons) and the manual Help opens, with settings in a temporary folder.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstTheme_data() { TestRows::add(QStringLiteral("desktop/desktop.rows")); }
    void firstTheme();
    void setThemeWithCurrentValueWritesNothing();
    void iconColours_data() { TestRows::add(QStringLiteral("desktop/desktop.rows")); }
    void iconColours();
    void helpManual_data() { TestRows::add(QStringLiteral("desktop/desktop.rows")); }
    void helpManual();

private:
    void setDesktopDark(bool dark);
    QTemporaryDir m_home;
    QPalette m_originalPalette;
};

void TestDesktop::init()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + "/config"));
    SettingsStore::open()->clear();
    ThemeManager::resetForTest();
    m_originalPalette = QGuiApplication::palette();
}

void TestDesktop::cleanup()
{
    QGuiApplication::setPalette(m_originalPalette);
}

void TestDesktop::setDesktopDark(bool dark)
{
    QPalette palette = m_originalPalette;
    palette.setColor(QPalette::Window, dark ? QColor(30, 30, 30) : QColor(240, 240, 240));
    palette.setColor(QPalette::WindowText, dark ? QColor(240, 240, 240) : QColor(20, 20, 20));
    QGuiApplication::setPalette(palette);
}

void TestDesktop::firstTheme()
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
    // Every role the sheet names has a colour in the theme's palette.
    QVERIFY(!widget.styleSheet().isEmpty());
    QVERIFY2(!widget.styleSheet().contains(QRegularExpression("@\\w+@")), qPrintable(widget.styleSheet()));
}

void TestDesktop::setThemeWithCurrentValueWritesNothing()
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
    QVERIFY(widget.styleSheet() != ThemeManager::styleSheet(Theme::Dark));
    QVERIFY(ThemeManager::styleSheet(Theme(7)).isEmpty());
}

void TestDesktop::iconColours()
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

void TestDesktop::helpManual()
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
        QVERIFY(TestFiles::write(path(code), {}));
    }
    const QUrl url = HelpManual::target(prefix.filePath("bin"), Language(language));
    if (opened == "web")
        QCOMPARE(url, QUrl("https://www.qlx-devices.example/"));
    else
        QCOMPARE(url, QUrl::fromLocalFile(path(opened)));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
