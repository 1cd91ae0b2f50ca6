#include "int16.h"

#include "kelvaneerror.h"

#include <cmath>
#include <limits>

namespace store {

qint16 toInt16(qint64 value) {
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw KelvaneError(ErrorNumber::Overflow, Texts::tr("Overflow"));
    return static_cast<qint16>(value);
}

qint16 roundToInt16(double value) {
    if (!std::isfinite(value))
        throw KelvaneError(ErrorNumber::Overflow, Texts::tr("Overflow"));
    const double rounded = std::nearbyint(value); // default rounding mode: halves to even
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        throw KelvaneError(ErrorNumber::Overflow, Texts::tr("Overflow"));
    return static_cast<qint16>(rounded);
}

} // namespace store
