#pragma once

#include "window/Texts.h"
#include "window/win32/Layout.h"

#include <array>
#include <string>
#include <windows.h>

// A text from the program's string tables, in the user's UI language.
[[nodiscard]] std::wstring LoadText(HINSTANCE instance, Texts::Id id);

// What a screen reader says of a control: the same names and descriptions
// as in the Qt window.
struct ControlText {
    HWND control;
    std::wstring name;
    std::wstring description;
};

[[nodiscard]] std::array<ControlText, 5> ControlTexts(HINSTANCE instance, const Controls& controls);
