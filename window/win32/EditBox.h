#pragma once

#include "window/TextBox.h"

#include <windows.h>

// A Win32 EDIT control as the window's behaviour sees a text box. Its
// tooltip lives in the window's tooltip control.
class EditBox : public TextBox
{
public:
    EditBox(HWND edit, HWND toolTips);

    [[nodiscard]] HWND handle() const { return m_edit; }

    [[nodiscard]] std::u16string_view text() const override;
    void setText(std::u16string_view text) override;
    void setSelection(int start, int length) override;
    [[nodiscard]] bool showsWholeText() const override;
    void setToolTip(std::u16string_view text) override;

private:
    HWND m_edit;
    HWND m_toolTips;
    std::wstring m_toolTip; // the tooltip control keeps a pointer to it
    mutable std::u16string m_text;
};

// The Windows clipboard, owned through the program's window.
class WindowsClipboard : public ClipboardText
{
public:
    explicit WindowsClipboard(HWND owner = nullptr)
        : m_owner(owner)
    {
    }
    void setOwner(HWND owner) { m_owner = owner; }
    void setText(std::u16string_view text) override;

private:
    HWND m_owner;
};
