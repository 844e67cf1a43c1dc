#include "resources/Resources.h"

#include <QtGlobal>

static void registerZentickResources()
{
    Q_INIT_RESOURCE(zentick);
}

namespace Resources {

void ensureLoaded()
{
    static const bool loaded = (registerZentickResources(), true);
    Q_UNUSED(loaded);
}

} // namespace Resources
