#pragma once

#include <windows.h>

namespace Runtime::Win32 {

// The user's app mode (Settings, Personalisation, Colours): true for Dark.
// Windows before 10 (1809), and Wine unless told, have none: light.
[[nodiscard]] bool AppsUseDarkMode();

// Whether a WM_SETTINGCHANGE's text names the app mode ("ImmersiveColorSet").
[[nodiscard]] bool NamesAppMode(LPARAM setting);

// Whether the user's high-contrast setting is on.
[[nodiscard]] bool HighContrastOn();

// A dark title bar for a window, where Windows draws one: Windows 11, and
// Windows 10 from 1809 (by the attribute's older number before 20H1);
// nothing on older Windows.
void UseDarkTitleBar(HWND window, bool dark);

// Turns a control's visual style off, so that it takes the colours it is
// given, or back on.
void UseVisualStyle(HWND control, bool on);

} // namespace Runtime::Win32
