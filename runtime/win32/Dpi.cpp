#include "runtime/win32/Dpi.h"

#include "runtime/win32/SystemLibrary.h"

#include <string_view>

namespace Runtime::Win32 {

namespace {

using GetDpiForWindowFunction = UINT WINAPI(HWND);
using GetDpiForMonitorFunction = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
// GetDpiForMonitor's MDT_EFFECTIVE_DPI: the scale the user chose.
constexpr int EffectiveDpi = 0;
using GetDpiForSystemFunction = UINT WINAPI();
using GetSystemMetricsForDpiFunction = int WINAPI(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(LPRECT, DWORD, BOOL, DWORD, UINT);

template <typename Function>
Function* find(FunctionLookup lookup, const wchar_t* library, const char* name)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(lookup(library, name)));
}

template <typename Function>
Function* user32(const char* name)
{
    return find<Function>(SystemLookup, L"user32.dll", name);
}

UINT screenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

// user32 is imported, so always loaded: no DLL is looked for there.
FARPROC SystemLookup(const wchar_t* library, const char* name)
{
    if (std::wstring_view(library) == L"user32.dll") {
        return GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    }
    return SystemFunction(library, name);
}

DpiSources FindDpiSources(FunctionLookup lookup)
{
    DpiSources found{find<GetDpiForWindowFunction>(lookup, L"user32.dll", "GetDpiForWindow"),
                     nullptr};
    if (!found.forWindow) {
        found.forMonitor =
            find<GetDpiForMonitorFunction>(lookup, L"shcore.dll", "GetDpiForMonitor");
    }
    return found;
}

DpiSources& WindowDpiSources()
{
    static DpiSources sources = FindDpiSources(SystemLookup);
    return sources;
}

UINT WindowDpi(HWND window)
{
    const DpiSources& sources = WindowDpiSources();
    if (const UINT dpi = sources.forWindow ? sources.forWindow(window) : 0) {
        return dpi;
    }
    UINT x = 0;
    UINT y = 0;
    if (sources.forMonitor &&
        SUCCEEDED(sources.forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                     EffectiveDpi, &x, &y)) &&
        x) {
        return x;
    }
    return SystemDpi();
}

UINT SystemDpi()
{
    static const auto forSystem = user32<GetDpiForSystemFunction>("GetDpiForSystem");
    return forSystem ? forSystem() : screenDpi();
}

int SystemMetric(int index, UINT dpi)
{
    static const auto forDpi = user32<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (forDpi) {
        return forDpi(index, dpi);
    }
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

void FrameAround(RECT& client, DWORD style, DWORD exStyle, UINT dpi)
{
    static const auto forDpi = user32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    if (!forDpi || !forDpi(&client, style, FALSE, exStyle, dpi)) {
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    }
}

} // namespace Runtime::Win32
