#pragma once

#include <string>
#include <string_view>

// A text box as the window's behaviour sees it. Each front end implements
// it over its own control, so the behaviour is written once; the tests drive
// it through a fake (tests/FakeTextBox.h).
class TextBox
{
public:
    virtual ~TextBox() = default;

    // The box's text, valid until the next call on the box.
    [[nodiscard]] virtual std::u16string_view text() const = 0;
    virtual void setText(std::u16string_view text) = 0;
    // `length` characters from `start` selected, with the caret at their
    // end; a length of 0 leaves just the caret, at `start`.
    virtual void setSelection(int start, int length) = 0;
    // Whether the box shows all of its text at once.
    [[nodiscard]] virtual bool showsWholeText() const = 0;
    // An empty text takes the tooltip away.
    virtual void setToolTip(std::u16string_view text) = 0;

protected:
    TextBox() = default;
    TextBox(const TextBox&) = default;
    TextBox& operator=(const TextBox&) = default;
};

// The system clipboard as the window's behaviour sees it: plain text that
// replaces whatever text it held.
class ClipboardText
{
public:
    virtual ~ClipboardText() = default;
    virtual void setText(std::u16string_view text) = 0;

protected:
    ClipboardText() = default;
    ClipboardText(const ClipboardText&) = default;
    ClipboardText& operator=(const ClipboardText&) = default;
};
