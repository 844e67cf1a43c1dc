#include "Language.h"
#include "WindowMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication application(argc, argv);

    LanguageManager::setupAtStartup();

    WindowMain window;
    window.show();
    return application.exec();
}
