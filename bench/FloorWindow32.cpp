// The floor for the Windows program's start-up: a bare Win32 window with the
// same controls, from the program's own table at the design's size, showing
// itself and doing nothing else. As in the Qt floor, the controls carry the
// program's texts, the button its Traditional Chinese caption, in the
// system's user-interface font (the message font), which any Windows
// program's dialogs use; the manifest (themed controls, DPI awareness) comes
// with its resources.
#include "window/Controls.h"

#include <string>
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int pixels(int twips)
{
    return twips / Twips::PerPixel;
}

const wchar_t* kind(Controls::Kind kind)
{
    switch (kind) {
    case Controls::Kind::Input:
    case Controls::Kind::Result:
        return L"EDIT";
    case Controls::Kind::Button:
        return L"BUTTON";
    default:
        return L"STATIC";
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, pixels(FormDesign::Width), pixels(FormDesign::Height)};
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExW(0, L"Floor", L"Floor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, instance, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    for (const Controls::Control& c : Controls::Table) {
        if (c.kind == Controls::Kind::Line) {
            continue;
        }
        const std::wstring caption(c.caption.begin(), c.caption.end());
        const Twips::Rect& r = c.design;
        const HWND control = CreateWindowExW(
            0, kind(c.kind), caption.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER, pixels(r.left),
            pixels(r.top), pixels(r.width), pixels(r.height), window, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, show);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
