#include "window/ConversionRow.h"

#include "conversion/ConvertEntry.h"

#include <algorithm>
#include <optional>
#include <string>

ConversionRow::ConversionRow(TextBox& input, TextBox& result,
                             const Conversion::ConversionRule& rule, ClipboardText& clipboard)
    : m_input(input)
    , m_result(result)
    , m_rule(rule)
    , m_clipboard(clipboard)
{
}

bool ConversionRow::onChange(std::u16string_view decimalPoint)
{
    const std::optional<std::u16string> result =
        Conversion::ConvertEntry(m_rule, m_input.text(), decimalPoint);
    if (!result) {
        return false; // not a number: the result and the clipboard stay as they are
    }
    m_result.setText(*result);
    // A box that was written shows the start of its text, never the tail:
    // 4860493.78 must not read 860493.78.
    m_result.setSelection(0, 0);
    ShowWholeTextInToolTip(m_result);
    // The clipboard gets the text as the result box holds it, never a copy
    // that could differ from what the user sees.
    m_clipboard.setText(m_result.text());
    return true;
}

void ShowWholeTextInToolTip(TextBox& box)
{
    if (box.showsWholeText()) {
        box.setToolTip({});
        return;
    }
    const std::u16string whole(box.text());
    box.setToolTip(whole);
}

void SelectEntry(TextBox& box)
{
    const auto length =
        static_cast<int>(std::min<std::size_t>(EntrySelectionLength, box.text().size()));
    box.setSelection(0, length);
}
