#pragma once

#include <windows.h>

// The window's controls, named as in the design.
struct Controls {
    HWND Text1, Text2, Text3, Text4;
    HWND Label1, Label2, Label3, Label4, Label5, Label6;
    HWND Line1, Command1;
};

// Places the controls at the smallest scale of the design, at this DPI, at
// which every label, the caption, ten characters of result and eight of
// input fit in `font`; never below the design's size at 96 dpi. Returns the
// size the window's client area needs.
SIZE LayOut(const Controls& controls, HFONT font, UINT dpi);
