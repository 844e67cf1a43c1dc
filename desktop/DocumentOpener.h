#pragma once

#include <QString>

// Opens a local document (the PDF manual) in the desktop's viewer.
namespace DocumentOpener {

bool open(const QString &filePath);

} // namespace DocumentOpener
