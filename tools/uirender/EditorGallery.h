#pragma once

#include <memory>

class QWidget;

// The configuration editor and the group page of the main window, on a
// small made-up site of clocks and groups.
namespace EditorGallery {

// The editor on a clock, showing tab 0 (Time) to 3 (Send).
std::unique_ptr<QWidget> editorWindow(int tab);
// The editor on a group, showing the Send tab.
std::unique_ptr<QWidget> groupEditorWindow();
std::unique_ptr<QWidget> groupsWindow();

} // namespace EditorGallery
