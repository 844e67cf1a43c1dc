#pragma once

// Whether the desktop asks applications for a light look. On Windows this is
// the "AppsUseLightTheme" preference; elsewhere the desktop palette decides:
// dark when the default palette's window colour is darker than its text.
namespace DesktopTheme {

bool prefersLight();

} // namespace DesktopTheme
