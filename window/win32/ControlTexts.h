#pragma once

#include "window/win32/Layout.h"

#include <array>
#include <windows.h>

// What a screen reader says of a control: the same names and descriptions
// as in the Qt window.
struct ControlText {
    HWND control;
    const wchar_t* name;
    const wchar_t* description;
};

[[nodiscard]] std::array<ControlText, 5> ControlTexts(const Controls& controls);
