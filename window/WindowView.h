#pragma once

#include "window/TextBox.h"

#include <cstddef>

// The window as its behaviour sees it, whichever toolkit draws it: its text
// boxes by their place in the table of controls, the keyboard focus and the
// end of the program. Each front end implements it over its own window; the
// tests over a fake (tests/FakeTextBox.h).
class WindowView
{
public:
    virtual ~WindowView() = default;

    // A box of the table (Controls::IsBox).
    [[nodiscard]] virtual TextBox& box(std::size_t control) = 0;
    // Moves the keyboard focus to a control, as a program does.
    virtual void focus(std::size_t control) = 0;
    // Ends the program at once, with status 0, without closing the window
    // first and without any further event.
    virtual void end() = 0;

protected:
    WindowView() = default;
    WindowView(const WindowView&) = default;
    WindowView& operator=(const WindowView&) = default;
};
