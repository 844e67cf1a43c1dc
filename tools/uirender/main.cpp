// zentick-uirender: draws every dialog, custom widget and page of the window
// (on a made-up site of clocks) in the dark and the light theme to PNG files,
// on the offscreen platform (no display needed).
//
//     zentick-uirender [--language CODE] [output folder]   (default "screenshots")
//     zentick-uirender [--language CODE] --check-clipping
//
// writes <folder>/dark/<scene>.png and <folder>/light/<scene>.png, in the
// language of CODE (en, pl, es, fr, it, de; English by default). With
// --check-clipping it draws nothing but lists every label, button, check box,
// tab, column header and table cell whose text is cut short, and exits with 1
// when there is one.

#include "tools/uirender/ClippedText.h"
#include "core/Language.h"
#include "desktop/ThemeManager.h"
#include "tools/uirender/WidgetGallery.h"
#include "tools/uirender/WindowGallery.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Long enough for the fades and the toasts' first frames to settle.
constexpr int settleMs = 150;

void settle()
{
    QEventLoop loop;
    QTimer::singleShot(settleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // Offscreen, and with settings in a folder of our own: choosing a theme
    // here must not change the user's stored one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "Cannot create a temporary folder\n");
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));

    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool checkClipping = arguments.removeAll(QStringLiteral("--check-clipping")) > 0;
    // English by default, with the corrections its catalogue carries, as the
    // program shows it.
    LanguageManager::installCatalogue(Language::English);
    const int languageAt = arguments.indexOf(QStringLiteral("--language"));
    if (languageAt >= 0) {
        Language language = Language::English;
        if (!LanguageManager::languageForCode(arguments.value(languageAt + 1), &language)) {
            std::fprintf(stderr, "--language: expected en, pl, es, fr, it or de\n");
            return 2;
        }
        LanguageManager::installCatalogue(language);
        arguments.erase(arguments.begin() + languageAt, arguments.begin() + languageAt + 2);
    }
    const QString output = arguments.value(0, QStringLiteral("screenshots"));

    const struct {
        Theme theme;
        const char *folder;
    } themes[] = {{Theme::Dark, "dark"}, {Theme::Light, "light"}};

    int failures = 0;
    for (const auto &entry : themes) {
        ThemeManager::setCurrentTheme(entry.theme);
        const QDir folder(QDir(output).filePath(QString::fromLatin1(entry.folder)));
        if (!checkClipping && !QDir().mkpath(folder.path())) {
            std::fprintf(stderr, "Cannot create %s\n", qPrintable(folder.path()));
            return 1;
        }
        std::vector<GalleryScene> scenes = WidgetGallery::scenes();
        for (GalleryScene &scene : WindowGallery::scenes())
            scenes.push_back(std::move(scene));
        for (const GalleryScene &scene : scenes) {
            std::unique_ptr<QWidget> widget = scene.build();
            widget->show();
            // Shown active, as a dialog in use is; an inactive one greys its title.
            widget->activateWindow();
            settle();
            // The offscreen platform need not report the activation itself.
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(widget.get(), &activate);
            if (checkClipping) {
                for (const QString &clipped : ClippedText::find(widget.get())) {
                    std::printf("%s %s: %s\n", entry.folder, qPrintable(scene.name), qPrintable(clipped));
                    ++failures;
                }
                widget->hide();
                continue;
            }
            const QString file = folder.filePath(scene.name + QStringLiteral(".png"));
            if (widget->grab().save(file)) {
                std::printf("%s\n", qPrintable(QDir::toNativeSeparators(file)));
            } else {
                std::fprintf(stderr, "Cannot write %s\n", qPrintable(file));
                ++failures;
            }
            widget->hide();
        }
    }
    return failures == 0 ? 0 : 1;
}
