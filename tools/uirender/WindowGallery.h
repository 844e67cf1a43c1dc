#pragma once

#include "tools/uirender/GalleryScene.h"

#include <vector>

// The real main window on the sample site: every page, the editor's four
// tabs (for a clock and for a group), and the dialogs that put clocks on the
// list. The window polls nothing and writes no report.
namespace WindowGallery {

std::vector<GalleryScene> scenes();

} // namespace WindowGallery
