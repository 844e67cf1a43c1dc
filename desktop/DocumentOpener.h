#pragma once

#include <QString>

// Opens a local document (the PDF manual) in the desktop's viewer.
namespace DocumentOpener {

// False when the document could not be handed to a viewer, also when the
// desktop names no application for its type (the opener would start and
// fail where nobody sees it).
bool open(const QString &filePath);

} // namespace DocumentOpener
