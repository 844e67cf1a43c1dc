#include "core/AppIdentity.h"

namespace AppIdentity {

QString appDisplayName()
{
    return QLatin1String(companyShortName) + QLatin1Char(' ') + QLatin1String(productName);
}

} // namespace AppIdentity
