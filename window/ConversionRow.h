#pragma once

#include "conversion/ConversionRule.h"
#include "window/TextBox.h"

#include <string_view>

// One row of the window: every change of the input box is converted by the
// row's rule into the result box and copied to the clipboard. The two rows
// never touch each other.
class ConversionRow
{
public:
    ConversionRow(TextBox& input, TextBox& result, const Conversion::ConversionRule& rule,
                  ClipboardText& clipboard);

    // Called for every change of the input's text, typed or not, with the
    // user's decimal separator. True when it wrote a result.
    bool onChange(std::u16string_view decimalPoint);

private:
    TextBox& m_input;
    TextBox& m_result;
    const Conversion::ConversionRule& m_rule;
    ClipboardText& m_clipboard;
};

// A box that does not show all of its text carries it whole in its tooltip;
// one that does carries none. The front ends ask again whenever a box's size
// or font changes; a written result is asked at once.
void ShowWholeTextInToolTip(TextBox& box);

// Selects the first ten characters of an input box (all of a shorter text),
// with the caret at the end of the selection, so that the next key replaces
// them. In a longer text the rest stays unselected behind the selection.
void SelectEntry(TextBox& box);

inline constexpr int EntrySelectionLength = 10;
