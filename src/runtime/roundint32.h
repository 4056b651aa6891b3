// Converting a double to a 32-bit integer the way the runtime does, without failing.
#pragma once

#include <cstdint>

// The nearest 32-bit signed integer, a half going to the even neighbour. Values beyond the range,
// infinities included, give the nearest end of the range; NaN gives 0.
std::int32_t roundToInt32(double value);
