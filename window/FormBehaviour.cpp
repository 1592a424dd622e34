#include "window/FormBehaviour.h"

FormBehaviour::FormBehaviour(WindowView& view, ClipboardText& clipboard)
    : m_view(view)
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::IsInput(i)) {
            const Controls::Control& design = Controls::Table[i];
            m_rows[i].emplace(view.box(i), view.box(design.result), *design.rule, clipboard);
        }
    }
}

// The caret starts in the mil input with its text selected, once the window
// is on the screen.
void FormBehaviour::shown()
{
    m_view.focus(Controls::StartsWithFocus);
    SelectEntry(m_view.box(Controls::StartsWithFocus));
}

// An input box entered from within the window selects its leading text for
// overwriting; coming back to the window leaves the caret and the selection
// as the user left them.
void FormBehaviour::entered(std::size_t control, Entry how)
{
    if (Controls::IsInput(control) && how != Entry::WindowBack) {
        SelectEntry(m_view.box(control));
    }
}

// A click anywhere in an input box selects its leading text, so that no bare
// caret is left inside the number.
void FormBehaviour::clicked(std::size_t control)
{
    if (Controls::IsInput(control)) {
        SelectEntry(m_view.box(control));
    }
}

// Neither key ever presses the button or moves the focus elsewhere. Enter in
// an input box inserts nothing and selects its leading text again.
bool FormBehaviour::keyPressed(std::size_t control, Key key)
{
    if (key == Key::Enter && Controls::IsInput(control)) {
        m_view.focus(control);
        SelectEntry(m_view.box(control));
    }
    return control < Controls::Count;
}

void FormBehaviour::changed(std::size_t control, std::u16string_view decimalPoint)
{
    if (Controls::IsInput(control)) {
        m_rows[control]->onChange(decimalPoint);
    }
}

void FormBehaviour::pressed(std::size_t control)
{
    if (control < Controls::Count && Controls::Table[control].kind == Controls::Kind::Button) {
        m_view.end();
    }
}

// It is the only window, and nothing asks for confirmation.
void FormBehaviour::closeRequested()
{
    m_view.end();
}

void FormBehaviour::laidOut()
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::IsResult(i)) {
            ShowWholeTextInToolTip(m_view.box(i));
        }
    }
}
