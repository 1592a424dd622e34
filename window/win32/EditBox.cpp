#include "window/win32/EditBox.h"

#include <commctrl.h>

void EditBox::attach(HWND edit)
{
    m_edit = edit;
}

void EditBox::attachToolTips(HWND toolTips)
{
    m_toolTips = toolTips;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(m_edit);
    tool.uId = reinterpret_cast<UINT_PTR>(m_edit);
    tool.lpszText = m_toolTip.data();
    SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::u16string_view EditBox::text() const
{
    const int length = GetWindowTextLengthW(m_edit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(m_edit, text.data(), length + 1);
    m_text.assign(text.begin(), text.begin() + copied);
    return m_text;
}

void EditBox::setText(std::u16string_view text)
{
    const std::wstring wide(text.begin(), text.end());
    SetWindowTextW(m_edit, wide.c_str());
}

void EditBox::setSelection(int start, int length)
{
    SendMessageW(m_edit, EM_SETSEL, static_cast<WPARAM>(start), start + length);
    SendMessageW(m_edit, EM_SCROLLCARET, 0, 0);
}

bool EditBox::showsWholeText() const
{
    if (!m_edit) {
        return true;
    }
    const std::u16string_view content = text();
    const std::wstring wide(content.begin(), content.end());
    HDC dc = GetDC(m_edit);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_edit, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(m_edit, dc);
    RECT format{};
    SendMessageW(m_edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    // The caret takes a pixel at the end.
    return extent.cx + 1 <= format.right - format.left;
}

void EditBox::setToolTip(std::u16string_view text)
{
    m_toolTip.assign(text.begin(), text.end());
    if (!m_toolTips) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(m_edit);
    tool.uId = reinterpret_cast<UINT_PTR>(m_edit);
    tool.lpszText = m_toolTip.data();
    SendMessageW(m_toolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}
