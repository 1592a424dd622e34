#pragma once

#include "window/Controls.h"
#include "window/TextBox.h"
#include "window/WindowView.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A text box in memory that shows so many characters, for testing window/
// without a window. The caret stands at the end of the selection.
class FakeTextBox : public TextBox
{
public:
    explicit FakeTextBox(std::u16string text = u"0", std::size_t shows = 10)
        : m_text(std::move(text))
        , m_shows(shows)
    {
    }

    [[nodiscard]] std::u16string_view text() const override { return m_text; }
    void setText(std::u16string_view text) override
    {
        m_text = text;
        selectionStart = static_cast<int>(m_text.size());
        selectionLength = 0;
    }
    void setSelection(int start, int length) override
    {
        selectionStart = start;
        selectionLength = length;
    }
    [[nodiscard]] bool showsWholeText() const override { return m_text.size() <= m_shows; }
    void setToolTip(std::u16string_view text) override { toolTip = text; }

    int selectionStart = 0;
    int selectionLength = 0;
    std::u16string toolTip;

private:
    std::u16string m_text;
    std::size_t m_shows;
};

// A clipboard in memory that counts its writes.
class FakeClipboard : public ClipboardText
{
public:
    void setText(std::u16string_view text) override
    {
        held = text;
        ++writes;
    }

    std::u16string held = u"before";
    int writes = 0;
};

// A window in memory: each row's boxes, which input has the focus, whether it
// is kept on top, and whether the program was ended.
class FakeWindow : public WindowView
{
public:
    TextBox& input(Row row) override { return inputs.at(static_cast<std::size_t>(row)); }
    TextBox& result(Row row) override { return results.at(static_cast<std::size_t>(row)); }
    void focusInput(Row row) override { focused = row; }
    void keepOnTop(bool on) override { onTop = on; }
    void restartTypingPause(std::chrono::milliseconds pause) override { pausing = pause; }
    void announce(Row row, std::u16string_view text) override
    {
        heard.push_back({row, std::u16string(text)});
    }
    void end() override { ended = true; }

    std::array<FakeTextBox, Controls::RowCount> inputs{FakeTextBox(u"0", 8), FakeTextBox(u"0", 8)};
    std::array<FakeTextBox, Controls::RowCount> results{FakeTextBox(u"0"), FakeTextBox(u"0")};
    std::optional<Row> focused;
    std::optional<std::chrono::milliseconds> pausing; // the last pause started
    std::vector<std::pair<Row, std::u16string>> heard;
    bool onTop = false;
    bool ended = false;
};
