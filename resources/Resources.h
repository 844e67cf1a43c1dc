#pragma once

// The compiled-in resources (style sheets, icons, logos) live in a static
// library; this registers them before their first use.
namespace Resources {

void ensureLoaded();

} // namespace Resources
