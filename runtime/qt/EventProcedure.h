#pragma once

#include <exception>
#include <utility>

namespace Runtime {

// Reports the exception being handled and ends the program.
void EndWithUnhandledError(std::exception_ptr error) noexcept;

// Wraps an event handler so that an error it raises is reported and ends the
// program right there. Qt is not built to let exceptions unwind through its
// frames: one that escapes a slot into the signal machinery may leave Qt's
// state half updated, so every handler the program connects goes through
// this instead of leaving the error to Application::notify().
template <typename Handler>
[[nodiscard]] auto EventProcedure(Handler handler)
{
    // No parameters: the program's handlers read what they need from the
    // controls, and Qt drops a signal's arguments for such a functor.
    return [handler = std::move(handler)]() {
        try {
            handler();
        } catch (...) {
            EndWithUnhandledError(std::current_exception());
        }
    };
}

} // namespace Runtime
