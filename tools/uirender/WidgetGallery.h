#pragma once

#include "tools/uirender/GalleryScene.h"

#include <vector>

// Every dialog and custom widget the render tool draws.
namespace WidgetGallery {

using Scene = GalleryScene;

std::vector<Scene> scenes();

} // namespace WidgetGallery
