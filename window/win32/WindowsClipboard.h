#pragma once

#include "runtime/win32/Clipboard.h"
#include "window/TextBox.h"

// The Windows clipboard, through the runtime's writer, as the window's
// behaviour sees it.
class WindowsClipboard : public ClipboardText
{
public:
    explicit WindowsClipboard(Runtime::Win32::ClipboardWriter& writer);
    void setText(std::u16string_view text) override;

private:
    Runtime::Win32::ClipboardWriter& m_writer;
};
