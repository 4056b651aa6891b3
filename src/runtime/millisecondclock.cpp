// The millisecond clock, on the system's steady clock.
#include "runtime/millisecondclock.h"

#include <chrono>

std::int64_t millisecondClock()
{
    const auto sinceOrigin = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceOrigin).count();
}
