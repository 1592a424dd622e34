#pragma once

#include "window/TextBox.h"

#include <string>
#include <windows.h>

// A Win32 EDIT control as the window's behaviour sees a text box. It exists
// with the window object, before the control does, so that the behaviour is
// wired from the start; until a control is attached it is empty and takes
// nothing. Its tooltip lives in the window's tooltip control, which comes
// after the first paint; a tooltip set before then is shown from then on.
class EditBox : public TextBox
{
public:
    void attach(HWND edit);
    void attachToolTips(HWND toolTips);

    [[nodiscard]] std::u16string_view text() const override;
    void setText(std::u16string_view text) override;
    void setSelection(int start, int length) override;
    [[nodiscard]] bool showsWholeText() const override;
    void setToolTip(std::u16string_view text) override;

private:
    HWND m_edit = nullptr;
    HWND m_toolTips = nullptr;
    std::wstring m_toolTip; // the tooltip control keeps a pointer to it
    mutable std::u16string m_text;
};
