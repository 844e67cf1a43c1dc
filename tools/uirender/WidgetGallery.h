#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

// The scenes the render tool draws: every dialog and custom widget, then
// the window's (WindowGallery), each built afresh in the current theme.
namespace WidgetGallery {

struct Scene {
    QString name;
    std::function<std::unique_ptr<QWidget>()> build;
};

std::vector<Scene> scenes();

} // namespace WidgetGallery
