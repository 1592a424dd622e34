#pragma once

#include "window/Controls.h"

#include <cstddef>
#include <windows.h>

// One control of the table, as a child window of its kind in `parent`, at
// `place`, with the table's caption, its number as its id and `font`; it
// carries its kind, which picks its colours (Form1::controlColours()).
[[nodiscard]] HWND MakeControl(std::size_t index, const Twips::Rect& place, HWND parent,
                               HINSTANCE instance, HFONT font);
