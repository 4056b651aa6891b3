// Handling the events queued while a handler waits, sleeping in short slices until the deadline.
#include "platform/eventdispatch.h"

#include "platform/web/eventrouter.h"
#include "platform/web/page.h"
#include "runtime/millisecondclock.h"

#include <algorithm>
#include <emscripten.h>

namespace {
// How soon an event that arrives during a sleep is handled.
constexpr std::int64_t sliceMilliseconds = 10;

// The page keeps the events that arrive meanwhile for the caller's dispatch.
void sleepUntilEventOr(std::int64_t deadline)
{
    for (;;) {
        const std::int64_t remaining = deadline - millisecondClock();
        if (remaining <= 0 || page_has_event() != 0)
            return;
        page_set_waiting(1);
        emscripten_sleep(unsigned(std::min(remaining, sliceMilliseconds)));
        page_set_waiting(0);
    }
}
} // namespace

void dispatchEvents(std::int64_t deadline)
{
    EventRouter &router = EventRouter::instance();
    router.present();
    sleepUntilEventOr(deadline);
    router.handleQueued();
    router.present();
}
