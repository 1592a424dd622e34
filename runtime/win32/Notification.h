#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace Runtime::Win32 {

// What a screen reader is asked to speak: UI Automation's notification
// event, raised on a control's own provider.
struct Notification {
    HWND control;
    int kind;       // UI Automation's NotificationKind
    int processing; // NotificationProcessing: how it stands to earlier ones
    std::wstring text;
};

inline constexpr int NotificationKindActionCompleted = 2;
inline constexpr int NotificationProcessingMostRecent = 3;

// Raises a notification; false where the system has no such event (Windows
// before 10 1709, Wine).
using NotificationRaiser = bool (*)(const Notification& notification);

// The one place notifications are raised: the system's raiser, unless a test
// puts its own. UIAutomationCore and OleAut32 are loaded from the system
// folder on the first notification, never at start.
extern NotificationRaiser RaiseNotification;

// Asks a screen reader to speak `text` once it is free, as the completed
// action of `control`, superseding what the control asked before.
void Notify(HWND control, std::wstring_view text);

} // namespace Runtime::Win32
