// Rounding a double half to even into the 32-bit range.
#include "runtime/roundint32.h"

#include <cmath>
#include <limits>

namespace {
// Halves to even, independent of the floating-point rounding mode. x - floor(x) is exact.
double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}
} // namespace

std::int32_t roundToInt32(double value)
{
    using Limits = std::numeric_limits<std::int32_t>;
    if (std::isnan(value))
        return 0;
    const double rounded = roundHalfEven(value);
    if (rounded >= static_cast<double>(Limits::max()))
        return Limits::max();
    if (rounded <= static_cast<double>(Limits::min()))
        return Limits::min();
    return static_cast<std::int32_t>(rounded);
}
