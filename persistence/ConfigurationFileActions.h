#pragma once

#include <QString>

#include <memory>

class ClockConfig;
struct ClockConfigFields;

// The configuration editor's file actions without any widget, so that the
// editor page and the command-line tool run the same code and show the same
// texts. The caller asks for the file name (starting in lastPath, with the
// title and filter given here); after a success the chosen path becomes the
// last path.
namespace ConfigurationFileActions {

enum class Action {
    Open,          // own file -> whole configuration
    SaveAs,        // whole configuration -> own file
    ExportDisplay, // display fields -> display export file
    ExportAlarms,  // alarms -> alarms export file
    ImportDisplay, // display export file -> display fields
    ImportAlarms,  // alarms export file -> alarms
};

// Translated texts of an action.
struct Texts
{
    bool saveDialog = false; // a save dialog, otherwise an open dialog
    QString title;
    QString filter;
    QString success;
    QString failure;
};
Texts texts(Action action);

struct Result
{
    bool ok = false;
    // Open and import only: the configuration read. An open fills every
    // field; an import only the display fields or only the alarms.
    std::unique_ptr<ClockConfig> config;
    // The success or failure text; empty when nothing was done (no path).
    QString message;
};

// Runs the action on the path. Save and export write current; open and
// import ignore it. An empty path (a cancelled dialog) does nothing.
Result run(Action action, const QString &path, const ClockConfigFields &current);

} // namespace ConfigurationFileActions
