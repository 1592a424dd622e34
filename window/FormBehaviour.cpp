#include "window/FormBehaviour.h"

namespace {

ConversionRow wire(Controls::Row row, WindowView& view, ClipboardText& clipboard)
{
    return {view.input(row), view.result(row), Controls::Of(row).rule, clipboard};
}

} // namespace

FormBehaviour::FormBehaviour(WindowView& view, ClipboardText& clipboard)
    : m_view(view)
    , m_rows{wire(Row::Millimetres, view, clipboard), wire(Row::Mils, view, clipboard)}
{
}

// The caret starts in the mil input with its text selected, once the window
// is on the screen.
void FormBehaviour::shown()
{
    m_view.focusInput(Controls::StartsWithFocus);
    SelectEntry(m_view.input(Controls::StartsWithFocus));
}

// An input entered from within the window selects its leading text for
// overwriting; coming back to the window leaves the caret and the selection
// as the user left them.
void FormBehaviour::inputEntered(Row row, Entry how)
{
    m_lastInput = row;
    if (how != Entry::WindowBack) {
        SelectEntry(m_view.input(row));
    }
}

// A click anywhere in an input selects its leading text, so that no bare
// caret is left inside the number.
void FormBehaviour::inputClicked(Row row)
{
    SelectEntry(m_view.input(row));
}

// Typing in an input converts its row by the row's rule (the mm row:
// millimetres to mils) into the row's result box and onto the clipboard
// (ConversionRow::onChange). A screen reader hears the result with its
// unit, as the row shows them, once typing pauses: one result, not one per
// key, and none when the text that stands at the pause is no number.
void FormBehaviour::inputChanged(Row row, std::u16string_view decimalPoint)
{
    if (!m_rows[static_cast<std::size_t>(row)].onChange(decimalPoint)) {
        m_announcement.clear();
        return;
    }
    m_announcement = m_view.result(row).text();
    m_announcement += u' ';
    m_announcement += Controls::Table[Controls::Of(row).resultUnit].caption;
    m_announcedRow = row;
    m_view.restartTypingPause(AnnouncementPause);
}

void FormBehaviour::typingPaused()
{
    if (!m_announcement.empty()) {
        m_view.announce(m_announcedRow, m_announcement);
        m_announcement.clear();
    }
}

// Neither key ever presses the button or moves the focus elsewhere. Enter in
// an input inserts nothing and selects its leading text again.
void FormBehaviour::keyPressed(Key key, std::optional<Row> input)
{
    if (key == Key::Enter && input) {
        m_view.focusInput(*input);
        SelectEntry(m_view.input(*input));
    }
}

void FormBehaviour::exitPressed()
{
    m_view.end();
}

// It is the only window, and nothing asks for confirmation.
void FormBehaviour::closeRequested()
{
    m_view.end();
}

void FormBehaviour::sessionEnding()
{
    m_view.end();
}

// Not remembered between runs.
void FormBehaviour::keepOnTopToggled()
{
    m_onTop = !m_onTop;
    m_view.keepOnTop(m_onTop);
}

void FormBehaviour::laidOut()
{
    for (const Row row : Controls::Rows) {
        ShowWholeTextInToolTip(m_view.result(row));
    }
}

// Started again, the program is wanted for a new value: the input it was
// left in is entered as by the program, its leading text selected to be
// overwritten. The window coming back in any other way keeps the caret where
// it was (inputEntered()).
void FormBehaviour::startedAgain()
{
    m_view.focusInput(m_lastInput);
    SelectEntry(m_view.input(m_lastInput));
}
