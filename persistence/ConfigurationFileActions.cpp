#include "persistence/ConfigurationFileActions.h"

#include "core/AppSettings.h"
#include "model/ClockConfig.h"
#include "persistence/ConfigurationFiles.h"

#include <QCoreApplication>

namespace ConfigurationFileActions {

namespace {

constexpr char context[] = "ConfigurationFileActions";

struct TextIds
{
    bool saveDialog;
    const char *title;
    const char *filter;
    const char *success;
    const char *failure;
};

const char *const titleOpen = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Open");
const char *const titleSave = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Save");
const char *const filterOwn = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Zentick configuration files (*.qlxztc)");
const char *const filterExport = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Zentick configuration files (*.xml)");
const char *const filterImport = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Clock configuration files (*.xml)");
// The wording of the open and import texts is what users have always seen;
// kept as it is.
const char *const loaded = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Configuration loaded successfully");
const char *const loadFailed = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Configuration loaded failed");
const char *const saved = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Configuration saved successfully");
const char *const saveFailed = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Configuration save failed");
const char *const exported = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Configuration exported successfully");
const char *const exportFailed = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Configuration export failed");
const char *const imported = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Configuration import successfully");
const char *const importFailed = QT_TRANSLATE_NOOP("ConfigurationFileActions", "Configuration import failed");

TextIds textIds(Action action)
{
    switch (action) {
    case Action::Open:
        return {false, titleOpen, filterOwn, loaded, loadFailed};
    case Action::SaveAs:
        return {true, titleSave, filterOwn, saved, saveFailed};
    case Action::ExportDisplay:
    case Action::ExportAlarms:
        return {true, titleSave, filterExport, exported, exportFailed};
    case Action::ImportDisplay:
    case Action::ImportAlarms:
        return {false, titleOpen, filterImport, imported, importFailed};
    }
    return {false, "", "", "", ""};
}

QString tr(const char *text)
{
    return QCoreApplication::translate(context, text);
}

} // namespace

Texts texts(Action action)
{
    const TextIds ids = textIds(action);
    return {ids.saveDialog, tr(ids.title), tr(ids.filter), tr(ids.success), tr(ids.failure)};
}

Result run(Action action, const QString &path, const ClockConfigFields &current)
{
    Result result;
    if (path.isEmpty())
        return result;

    switch (action) {
    case Action::Open:
        result.config = ConfigurationFiles::openConfiguration(path);
        break;
    case Action::SaveAs:
        result.ok = ConfigurationFiles::saveConfiguration(path, current);
        break;
    case Action::ExportDisplay:
        result.ok = ConfigurationFiles::exportDisplay(path, current);
        break;
    case Action::ExportAlarms:
        result.ok = ConfigurationFiles::exportAlarms(path, current);
        break;
    case Action::ImportDisplay:
        result.config = ConfigurationFiles::importDisplay(path);
        break;
    case Action::ImportAlarms:
        result.config = ConfigurationFiles::importAlarms(path);
        break;
    }
    if (result.config)
        result.ok = true;

    const Texts t = texts(action);
    result.message = result.ok ? t.success : t.failure;
    if (result.ok)
        AppSettings::setLastPath(path);
    return result;
}

} // namespace ConfigurationFileActions
