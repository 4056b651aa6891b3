// Handling the window events that wait while a handler is still running.
#pragma once

#include <cstdint>

// Backend: handles every pending event of the program's thread, then returns. When nothing is
// pending and deadline (a millisecondClock() reading) still lies ahead, it first sleeps until the
// next event arrives or the deadline comes, whichever is earlier, instead of returning at once.
void dispatchEvents(std::int64_t deadline);
