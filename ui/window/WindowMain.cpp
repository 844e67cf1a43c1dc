#include "WindowMain.h"

#include "AppIdentity.h"
#include "AppSettings.h"
#include "Language.h"
#include "ThemeWidgets.h"

namespace {
WindowMain *g_mainWindow = nullptr;
}

WindowMain::WindowMain(QWidget *parent)
    : QMainWindow(parent)
{
    g_mainWindow = this;
    // English on every start, whatever was chosen before.
    LanguageManager::setLanguage(0);
    setWindowTitle(appDisplayName());
    AppSettings::loadLastPath();
    AppSettings::loadReportSettings();
    ThemeWidgets::applyTheme(this);
    resize(1100, 700);
}

WindowMain::~WindowMain()
{
    if (g_mainWindow == this)
        g_mainWindow = nullptr;
}

WindowMain *WindowMain::instance()
{
    return g_mainWindow;
}
