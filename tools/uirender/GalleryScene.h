#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

// One picture the render tool draws: a name and how to build its widget
// afresh in the current theme.
struct GalleryScene {
    QString name;
    std::function<std::unique_ptr<QWidget>()> build;
};
