#include "runtime/win32/Notification.h"

#include "runtime/win32/SystemLibrary.h"

#include <unknwn.h>

namespace Runtime::Win32 {

namespace {

// The provider is an IRawElementProviderSimple; only its IUnknown is used here.
using HostProviderFromHwnd = HRESULT WINAPI(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT WINAPI(IUnknown*, int, int, wchar_t*, wchar_t*);
using SysAllocString = wchar_t* WINAPI(const wchar_t*);
using SysFreeString = void WINAPI(wchar_t*);

bool raiseWithUiAutomation(const Notification& notification)
{
    static const auto raise = SystemFunction<RaiseNotificationEvent>(L"uiautomationcore.dll",
                                                                     "UiaRaiseNotificationEvent");
    static const auto host =
        SystemFunction<HostProviderFromHwnd>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
    static const auto allocate = SystemFunction<SysAllocString>(L"oleaut32.dll", "SysAllocString");
    static const auto release = SystemFunction<SysFreeString>(L"oleaut32.dll", "SysFreeString");
    IUnknown* provider = nullptr;
    if (!raise || !host || !allocate || !release || FAILED(host(notification.control, &provider)) ||
        !provider) {
        return false;
    }
    wchar_t* text = allocate(notification.text.c_str());
    wchar_t* activity = allocate(L"Zandrel.Result");
    const bool raised =
        text && activity &&
        SUCCEEDED(raise(provider, notification.kind, notification.processing, text, activity));
    release(text);
    release(activity);
    provider->Release();
    return raised;
}

} // namespace

NotificationRaiser RaiseNotification = raiseWithUiAutomation;

void Notify(HWND control, std::wstring_view text)
{
    RaiseNotification({control, NotificationKindActionCompleted, NotificationProcessingMostRecent,
                       std::wstring(text)});
}

} // namespace Runtime::Win32
