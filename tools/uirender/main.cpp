// zentick-uirender: draws every dialog, custom widget and page of the window
// (on a made-up site of clocks) in the dark and the light theme to PNG files,
// on the offscreen platform (no display needed).
//
//     zentick-uirender [output folder]      (default "screenshots")
//
// writes <folder>/dark/<scene>.png and <folder>/light/<scene>.png.

#include "Language.h"
#include "ThemeManager.h"
#include "WidgetGallery.h"

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
    // The texts as the program shows them: it loads the English catalogue at
    // every start.
    LanguageManager::installCatalogue(Language::English);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");

    const struct {
        Theme theme;
        const char *folder;
    } themes[] = {{Theme::Dark, "dark"}, {Theme::Light, "light"}};

    int failures = 0;
    for (const auto &entry : themes) {
        ThemeManager::setCurrentTheme(entry.theme);
        const QDir folder(QDir(output).filePath(QString::fromLatin1(entry.folder)));
        if (!QDir().mkpath(folder.path())) {
            std::fprintf(stderr, "Cannot create %s\n", qPrintable(folder.path()));
            return 1;
        }
        for (const WidgetGallery::Scene &scene : WidgetGallery::scenes()) {
            std::unique_ptr<QWidget> widget = scene.build();
            widget->show();
            // Shown active, as a dialog in use is; an inactive one greys its title.
            widget->activateWindow();
            settle();
            // The offscreen platform need not report the activation itself.
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(widget.get(), &activate);
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
