#include "window/win32/WindowsClipboard.h"

WindowsClipboard::WindowsClipboard(Runtime::Win32::ClipboardWriter& writer)
    : m_writer(writer)
{
}

void WindowsClipboard::setText(std::u16string_view text)
{
    m_writer.setText(text);
}
