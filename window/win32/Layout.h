#pragma once

#include <windows.h>

// The window's controls, named as in the design.
struct Controls {
    HWND Text1, Text2, Text3, Text4;
    HWND Label1, Label2, Label3, Label4, Label5, Label6;
    HWND Line1, Command1;
};

// The texts the layout fits: the labels' and the button's caption.
namespace Captions {
inline constexpr wchar_t Millimetres[] = L"mm";
inline constexpr wchar_t Mils[] = L"mil";
inline constexpr wchar_t Equals[] = L"=";
inline constexpr wchar_t Exit[] = L"\u96e2     \u958b";
} // namespace Captions

// Where each control goes, in client-area pixels, and the client area's size.
struct Placement {
    RECT Text1, Text2, Text3, Text4;
    RECT Label1, Label2, Label3, Label4, Label5, Label6;
    RECT Line1, Command1;
    SIZE client;
};

// The smallest scale of the design, at this DPI, at which every label, the
// caption, ten characters of result and eight of input fit in `font`; never
// below the design's size at 96 dpi. `edit` is an edit control showing
// `font`: its margins follow the font. Measured before the other controls
// exist, so that they are made where they belong: under Wine, moving an edit
// control afterwards costs about as much as making it.
[[nodiscard]] Placement MeasureLayout(HWND edit, HFONT font, UINT dpi);

// Moves the controls to their places.
void Place(const Controls& controls, const Placement& placement);
void MoveTo(HWND control, const RECT& place);
