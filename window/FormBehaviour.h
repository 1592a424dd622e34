#pragma once

#include "window/ConversionRow.h"
#include "window/WindowView.h"

#include <array>
#include <chrono>
#include <optional>
#include <string_view>

// How the focus reached an input box.
enum class Entry {
    Tab,        // Tab or Shift+Tab
    Click,      // a mouse button
    Program,    // the program, a screen reader or anything else inside the window
    WindowBack, // the window was activated again, or a menu over it closed
};

// The keys that mean something to the window besides typing.
enum class Key { Enter, Escape };

// What the window does, written once: the front ends report what happened in
// the window's own words (an input of a row, the exit button, the window),
// and the behaviour answers through the window's view. Nothing here knows
// which toolkit runs it.
class FormBehaviour
{
public:
    using Row = Controls::Row;

    // The view's boxes must exist; the rows are wired to them here.
    FormBehaviour(WindowView& view, ClipboardText& clipboard);

    // The window has just been shown for the first time.
    void shown();
    // The focus arrived in a row's input; reported once the toolkit has done
    // its own handling of it, such as selecting the text.
    void inputEntered(Row row, Entry how);
    // A click with the main mouse button in a row's input, once the toolkit
    // has handled it.
    void inputClicked(Row row);
    // The text of a row's input changed, by any means.
    void inputChanged(Row row, std::u16string_view decimalPoint);
    // Enter or Esc in any control of the window, before the toolkit sees it;
    // `input` is the row whose input has the focus, if one has. The key is
    // the window's: the toolkit does nothing more with it.
    void keyPressed(Key key, std::optional<Row> input);
    // The exit button was pressed, by any means.
    void exitPressed();
    // The user asked the window manager to close the window.
    void closeRequested();
    // The user's session is ending: the program goes with it.
    void sessionEnding();
    // The window menu's "Keep on top" was chosen.
    void keepOnTopToggled();
    // The pause after typing passed (WindowView::restartTypingPause).
    void typingPaused();
    // The boxes' size or font changed: a result may fit now, or no longer.
    void laidOut();
    // The program was started again while this window runs: the new start
    // ends, and this window has come forward instead (the front end brings
    // it, with what the platform hands on).
    void startedAgain();

private:
    WindowView& m_view;
    std::array<ConversionRow, Controls::RowCount> m_rows;
    bool m_onTop = false;
    // The input that has, or last had, the focus.
    Row m_lastInput = Controls::StartsWithFocus;
    // The result a screen reader hears once typing pauses, and its row.
    std::u16string m_announcement;
    Row m_announcedRow = Row::Millimetres;
};

// How long typing must pause before a screen reader hears the result that
// stands: longer than the gap between the keys of one number typed at an
// ordinary pace (100 to 250 ms), short enough to seem an answer to it.
inline constexpr std::chrono::milliseconds AnnouncementPause{400};
