#pragma once

class QMainWindow;

// The window's geometry and state and those of its splitters
// ("splitterNotif", "splitterGroups"), kept in the settings store under
// "WindowGeometry/...". An absent key leaves the form's default.
namespace WindowGeometry {

void save(const QMainWindow &window);
void restore(QMainWindow &window);

} // namespace WindowGeometry
