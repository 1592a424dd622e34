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

// Typing in the mm input converts its row: millimetres to mils, into the
// row's result box and onto the clipboard (ConversionRow::onChange).
void FormBehaviour::inputChanged(Row row, std::u16string_view decimalPoint)
{
    m_rows[static_cast<std::size_t>(row)].onChange(decimalPoint);
}

// Neither key ever presses the button or moves the focus elsewhere. Enter in
// an input inserts nothing and selects its leading text again.
bool FormBehaviour::keyPressed(Key key, std::optional<Row> input)
{
    if (key == Key::Enter && input) {
        m_view.focusInput(*input);
        SelectEntry(m_view.input(*input));
    }
    return true;
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
