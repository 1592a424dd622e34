#include "runtime/win32/AppMode.h"

#include "runtime/win32/SystemLibrary.h"

#include <cwchar>

namespace Runtime::Win32 {

namespace {

using RegGetValue = LSTATUS WINAPI(HKEY, LPCWSTR, LPCWSTR, DWORD, LPDWORD, PVOID, LPDWORD);
using DwmSetWindowAttribute = HRESULT WINAPI(HWND, DWORD, LPCVOID, DWORD);
using SetWindowTheme = HRESULT WINAPI(HWND, LPCWSTR, LPCWSTR);

// DWMWA_USE_IMMERSIVE_DARK_MODE, and the number Windows 10 before 20H1 knew
// it by.
constexpr DWORD DarkModeAttribute = 20;
constexpr DWORD DarkModeAttributeBefore20H1 = 19;

} // namespace

bool AppsUseDarkMode()
{
    static const auto read = SystemFunction<RegGetValue>(L"advapi32.dll", "RegGetValueW");
    DWORD light = 1;
    DWORD size = sizeof light;
    return read &&
           read(HKEY_CURRENT_USER,
                L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size) == ERROR_SUCCESS &&
           light == 0;
}

bool NamesAppMode(LPARAM setting)
{
    const auto* name = reinterpret_cast<const wchar_t*>(setting);
    return name && std::wcscmp(name, L"ImmersiveColorSet") == 0;
}

bool HighContrastOn()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void UseDarkTitleBar(HWND window, bool dark)
{
    static const auto set =
        SystemFunction<DwmSetWindowAttribute>(L"dwmapi.dll", "DwmSetWindowAttribute");
    const BOOL value = dark ? TRUE : FALSE;
    if (set && FAILED(set(window, DarkModeAttribute, &value, sizeof value))) {
        set(window, DarkModeAttributeBefore20H1, &value, sizeof value);
    }
}

void UseVisualStyle(HWND control, bool on)
{
    static const auto set = SystemFunction<SetWindowTheme>(L"uxtheme.dll", "SetWindowTheme");
    if (set) {
        set(control, on ? nullptr : L"", on ? nullptr : L"");
    }
}

} // namespace Runtime::Win32
