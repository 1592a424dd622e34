#pragma once

#include "window/Controls.h"

#include <windows.h>

// The colours the window draws itself and its controls in: the system's
// (which are the high-contrast ones while that is on), or the dark scheme
// when the window takes it; with a brush for each background.
class Colours
{
public:
    Colours() = default;
    ~Colours();
    Colours(const Colours&) = delete;
    Colours& operator=(const Colours&) = delete;

    // Chooses, from the user's settings, the system's colours or the dark
    // scheme (ColourScheme::TakesDark), and makes the brushes.
    void follow();
    [[nodiscard]] bool dark() const { return m_dark; }

    // The answer to WM_CTLCOLOR* for a control of this kind: the brush of
    // its background, with the text's colours set on `dc`; null to leave it
    // to Windows.
    [[nodiscard]] HBRUSH control(Controls::Kind kind, HDC dc) const;
    // The window's background, painted by the window in the dark scheme
    // (WM_ERASEBKGND); false to leave it to Windows.
    [[nodiscard]] bool eraseWindow(HWND window, HDC dc) const;
    // Draws a push button in the dark scheme in answer to its NM_CUSTOMDRAW
    // (`notification`); in the system's colours Windows draws it.
    [[nodiscard]] LRESULT drawButton(const NMHDR& notification, HFONT font) const;
    // A tooltip control in the window's colours.
    void colourToolTips(HWND toolTips);

private:
    bool m_dark = false;
    bool m_toolTipsUnstyled = false;
    COLORREF m_text = 0;
    COLORREF m_base = 0;
    COLORREF m_result = 0;
    COLORREF m_windowText = 0;
    HBRUSH m_window = nullptr;
    HBRUSH m_baseBrush = nullptr;
    HBRUSH m_resultBrush = nullptr;
    HBRUSH m_line = nullptr;
};
