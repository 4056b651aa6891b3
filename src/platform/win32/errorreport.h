// The end of the program after an exception that escaped one of its handlers.
#pragma once

#include <windows.h>

#include <exception>

// Shows a message box that names the error, then ends the program.
[[noreturn]] void reportAndEnd(const std::exception &error);

// Runs a part of a window procedure or of the message loop. No exception may unwind through the
// system's frames, so whatever a handler throws ends the program here.
template <typename Handler> auto guarded(Handler handler) -> decltype(handler())
{
    try {
        return handler();
    } catch (const std::exception &error) {
        reportAndEnd(error);
    }
}
