#pragma once

#include "window/Texts.h"
#include "window/win32/Layout.h"

#include <string>
#include <vector>
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

// Every control that the table of controls names for a screen reader.
[[nodiscard]] std::vector<ControlText> ControlTexts(HINSTANCE instance,
                                                    const ControlHandles& controls);

// Screen readers read a box by the label before it; ours follow their boxes,
// so each box is named explicitly, and described, as in the Qt window.
// Loads COM and the accessibility services: called when a screen reader
// first asks, so that a program nobody reads aloud never loads them.
void DescribeControls(HINSTANCE instance, const ControlHandles& controls);
