#include "window/win32/Colours.h"

#include "runtime/win32/AppMode.h"
#include "window/ColourScheme.h"

#include <commctrl.h>
#include <string>

namespace {

Contrast::Rgb rgb(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF colorref(Contrast::Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// Deletes the old brush once the new one is in place.
void replace(HBRUSH& brush, COLORREF colour)
{
    const HBRUSH old = brush;
    brush = CreateSolidBrush(colour);
    if (old) {
        DeleteObject(old);
    }
}

} // namespace

Colours::~Colours()
{
    for (const HBRUSH brush : {m_window, m_baseBrush, m_resultBrush, m_line}) {
        if (brush) {
            DeleteObject(brush);
        }
    }
}

void Colours::follow()
{
    using ColourScheme::Dark;
    const bool dark = ColourScheme::TakesDark(
        Runtime::Win32::AppsUseDarkMode() ? ColourScheme::Preference::PreferDark
                                          : ColourScheme::Preference::PreferLight,
        {.window = rgb(GetSysColor(COLOR_3DFACE)), // the window's own background
         .windowText = rgb(GetSysColor(COLOR_WINDOWTEXT)),
         .highContrast = Runtime::Win32::HighContrastOn()});
    m_dark = dark;
    const Contrast::Theme theme =
        dark ? ColourScheme::ThemeOf(Dark)
             : Contrast::Theme{.boxBackground = rgb(GetSysColor(COLOR_WINDOW)),
                               .boxText = rgb(GetSysColor(COLOR_WINDOWTEXT)),
                               .lightShade = rgb(GetSysColor(COLOR_3DLIGHT))};
    m_text = colorref(theme.boxText);
    m_base = colorref(theme.boxBackground);
    m_result = colorref(Contrast::ResultShade(theme));
    m_windowText = dark ? colorref(Dark.windowText) : GetSysColor(COLOR_WINDOWTEXT);
    replace(m_window, dark ? colorref(Dark.window) : GetSysColor(COLOR_3DFACE));
    replace(m_baseBrush, m_base);
    replace(m_resultBrush, m_result);
    replace(m_line, m_windowText);
}

HBRUSH Colours::control(Controls::Kind kind, HDC dc) const
{
    using Controls::Kind;
    switch (kind) {
    case Kind::Result: // read-only edits are drawn as statics
        SetBkColor(dc, m_result);
        SetTextColor(dc, m_text);
        return m_resultBrush;
    case Kind::Line:
        return m_line;
    case Kind::Input:
        if (!m_dark) {
            return nullptr;
        }
        SetBkColor(dc, m_base);
        SetTextColor(dc, m_text);
        return m_baseBrush;
    case Kind::Label:
        if (!m_dark) {
            return nullptr;
        }
        SetBkColor(dc, colorref(ColourScheme::Dark.window));
        SetTextColor(dc, m_windowText);
        return m_window;
    case Kind::Button:
        return nullptr;
    }
    return nullptr;
}

bool Colours::eraseWindow(HWND window, HDC dc) const
{
    if (!m_dark) {
        return false;
    }
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, m_window);
    return true;
}

LRESULT Colours::drawButton(const NMHDR& notification, HFONT font) const
{
    const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(notification);
    if (!m_dark || draw.dwDrawStage != CDDS_PREPAINT) {
        return CDRF_DODEFAULT;
    }
    using ColourScheme::Dark;
    const bool pressed = (draw.uItemState & CDIS_SELECTED) != 0;
    const bool focused = (draw.uItemState & CDIS_FOCUS) != 0;
    RECT face = draw.rc;
    const HBRUSH border = CreateSolidBrush(colorref(focused ? Dark.highlight : Dark.buttonBorder));
    FillRect(draw.hdc, &face, border);
    DeleteObject(border);
    InflateRect(&face, -1, -1);
    const HBRUSH fill = CreateSolidBrush(colorref(pressed ? Dark.lightShade : Dark.button));
    FillRect(draw.hdc, &face, fill);
    DeleteObject(fill);

    wchar_t caption[64] = L"";
    GetWindowTextW(draw.hdr.hwndFrom, caption, 64);
    const HGDIOBJ old = SelectObject(draw.hdc, font);
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, colorref(Dark.buttonText));
    DrawTextW(draw.hdc, caption, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(draw.hdc, old);
    if (focused) {
        InflateRect(&face, -2, -2);
        DrawFocusRect(draw.hdc, &face);
    }
    return CDRF_SKIPDEFAULT;
}

void Colours::colourToolTips(HWND toolTips)
{
    using ColourScheme::Dark;
    // A themed tooltip draws in its theme's colours whatever it is told.
    if (m_dark != m_toolTipsUnstyled) {
        Runtime::Win32::UseVisualStyle(toolTips, !m_dark);
        m_toolTipsUnstyled = m_dark;
    }
    SendMessageW(toolTips, TTM_SETTIPBKCOLOR,
                 m_dark ? colorref(Dark.toolTip) : GetSysColor(COLOR_INFOBK), 0);
    SendMessageW(toolTips, TTM_SETTIPTEXTCOLOR,
                 m_dark ? colorref(Dark.toolTipText) : GetSysColor(COLOR_INFOTEXT), 0);
}
