#pragma once

#include "window/Controls.h"
#include "window/ConversionRow.h"
#include "window/WindowView.h"

#include <array>
#include <optional>
#include <string_view>

// How the focus reached a control.
enum class Entry {
    Tab,        // Tab or Shift+Tab
    Click,      // a mouse button
    Program,    // the program, a screen reader or anything else inside the window
    WindowBack, // the window was activated again, or a menu over it closed
};

// The keys that mean something to the window besides typing.
enum class Key { Enter, Escape };

// What the window does, written once: the front ends report what happened
// to which control of the table, and the behaviour answers through the
// window's view. Nothing here knows which toolkit runs it.
class FormBehaviour
{
public:
    // The view's boxes must exist; the rows are wired to them here.
    FormBehaviour(WindowView& view, ClipboardText& clipboard);

    // The window has just been shown for the first time.
    void shown();
    // The focus arrived in a control; reported once the toolkit has done its
    // own handling of it, such as selecting a box's text.
    void entered(std::size_t control, Entry how);
    // A click with the main mouse button, once the toolkit has handled it.
    void clicked(std::size_t control);
    // Enter or Esc in a control, before the toolkit sees it. True when the
    // key is taken: the toolkit must do nothing more with it.
    [[nodiscard]] bool keyPressed(std::size_t control, Key key);
    // The text of an input box changed, by any means.
    void changed(std::size_t control, std::u16string_view decimalPoint);
    // A button was pressed, by any means.
    void pressed(std::size_t control);
    // The user asked the window manager to close the window.
    void closeRequested();
    // The boxes' size or font changed: a result may fit now, or no longer.
    void laidOut();

private:
    WindowView& m_view;
    // By the place of each row's input box in the table.
    std::array<std::optional<ConversionRow>, Controls::Count> m_rows;
};
