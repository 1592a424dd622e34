#pragma once

#include "window/Controls.h"
#include "window/TextBox.h"

#include <chrono>
#include <string_view>

// The window as its behaviour sees it, whichever toolkit draws it: the input
// and result box of each row, the keyboard focus, keep-on-top and the end of
// the program. Each front end implements it over its own window; the tests
// over a fake (tests/FakeTextBox.h).
class WindowView
{
public:
    using Row = Controls::Row;

    virtual ~WindowView() = default;

    [[nodiscard]] virtual TextBox& input(Row row) = 0;
    [[nodiscard]] virtual TextBox& result(Row row) = 0;
    // Moves the keyboard focus to a row's input, as a program does.
    virtual void focusInput(Row row) = 0;
    // Keeps the window above every other window, or no longer.
    virtual void keepOnTop(bool on) = 0;
    // Starts the pause after typing again: when it passes with no further
    // start, the front end reports typingPaused().
    virtual void restartTypingPause(std::chrono::milliseconds pause) = 0;
    // Asks a screen reader to speak a row's new result once it is free,
    // without moving the focus (nothing where the platform has no way to).
    virtual void announce(Row row, std::u16string_view text) = 0;
    // Ends the program with status 0. The front end lets go of its window as
    // its platform needs: the Win32 window is destroyed, and a result still
    // waiting for the clipboard gets a last chance. The behaviour hears of
    // nothing after it.
    virtual void end() = 0;

protected:
    WindowView() = default;
    WindowView(const WindowView&) = default;
    WindowView& operator=(const WindowView&) = default;
};
