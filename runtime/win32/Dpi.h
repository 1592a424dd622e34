#pragma once

#include <windows.h>

// Dots per inch on every Windows from 7 on. Windows 8.1 and later give each
// monitor a DPI of its own, and 10 (1607) and later each window; Windows 7
// and 8 have one DPI for the whole session, read from the screen, and the classic
// functions measure at it. The newer functions are looked up at run time, so
// that the program still starts where they are missing.
namespace Runtime::Win32 {

// Where a window's DPI comes from, newest first: GetDpiForWindow (Windows
// 10 1607, user32) and GetDpiForMonitor (Windows 8.1, shcore, loaded from the
// system folder only where the first is missing); each null where this
// Windows lacks it. A test may put others in their place.
struct DpiSources {
    UINT(WINAPI* forWindow)(HWND window);
    HRESULT(WINAPI* forMonitor)(HMONITOR monitor, int type, UINT* x, UINT* y);
};
[[nodiscard]] DpiSources& WindowDpiSources();

// A function of a system DLL by the DLL's name and its own, or null.
using FunctionLookup = FARPROC (*)(const wchar_t* library, const char* name);
// How the window's DPI sources are found, with the lookup given; the
// program's are found with SystemLookup.
[[nodiscard]] DpiSources FindDpiSources(FunctionLookup lookup);
// user32 as the program has it loaded; any other DLL from the system folder.
[[nodiscard]] FARPROC SystemLookup(const wchar_t* library, const char* name);

// The window's monitor's DPI where Windows knows it, else the session's.
[[nodiscard]] UINT WindowDpi(HWND window);
[[nodiscard]] UINT SystemDpi();
// GetSystemMetrics at this DPI.
[[nodiscard]] int SystemMetric(int index, UINT dpi);
// The window's frame around `client` at this DPI (AdjustWindowRectEx).
void FrameAround(RECT& client, DWORD style, DWORD exStyle, UINT dpi);

} // namespace Runtime::Win32
