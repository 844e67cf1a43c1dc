#include "values/Decimal.h"

#include <QString>

#include <limits>

namespace Decimal {

double ofFloat(float value)
{
    return QString::number(value, 'g', std::numeric_limits<float>::digits10).toDouble();
}

} // namespace Decimal
