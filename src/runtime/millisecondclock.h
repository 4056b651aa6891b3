// The millisecond clock that paces automatic play.
#pragma once

#include <cstdint>

// Milliseconds on a monotonic clock from an arbitrary origin. 64 bits wide, so differences of two
// readings never wrap, however long the machine has been up.
std::int64_t millisecondClock();
