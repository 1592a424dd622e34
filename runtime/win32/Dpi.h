#pragma once

#include <windows.h>

// Dots per inch on every Windows from 7 on. Windows 10 (1607) and later give
// each window the DPI of its monitor; before that there is one DPI for the
// whole session, read from the screen, and the classic functions measure at
// it. The newer functions are looked up at run time, so that the program
// still starts where they are missing.
namespace Runtime::Win32 {

[[nodiscard]] UINT WindowDpi(HWND window);
[[nodiscard]] UINT SystemDpi();
// GetSystemMetrics at this DPI.
[[nodiscard]] int SystemMetric(int index, UINT dpi);
// The window's frame around `client` at this DPI (AdjustWindowRectEx).
void FrameAround(RECT& client, DWORD style, DWORD exStyle, UINT dpi);

} // namespace Runtime::Win32
