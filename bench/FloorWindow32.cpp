// The floor for the Windows program's start-up: a bare Win32 window with the
// same controls, showing itself and doing nothing else. As in the Qt floor,
// the controls carry the program's texts, the button its Traditional Chinese
// caption, in the system's user-interface font (the message font), which any
// Windows program's dialogs use; the manifest (themed controls, DPI
// awareness) comes with its resources.
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

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"Floor", L"Floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 259, 163, nullptr, nullptr,
                                  instance, nullptr);
    const struct {
        const wchar_t* kind;
        const wchar_t* text;
        int x, y, width, height;
    } controls[] = {{L"EDIT", L"0", 16, 8, 57, 25},
                    {L"STATIC", L"mm", 80, 16, 18, 12},
                    {L"STATIC", L"=", 128, 16, 6, 12},
                    {L"EDIT", L"0", 152, 8, 65, 25},
                    {L"STATIC", L"mil", 224, 16, 15, 12},
                    {L"EDIT", L"0", 16, 64, 57, 25},
                    {L"STATIC", L"mil", 80, 72, 15, 12},
                    {L"STATIC", L"=", 128, 72, 6, 12},
                    {L"EDIT", L"0", 152, 64, 65, 25},
                    {L"STATIC", L"mm", 224, 72, 18, 12},
                    {L"BUTTON", L"\u96e2     \u958b", 80, 104, 89, 25}};
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    for (const auto& c : controls) {
        const HWND control =
            CreateWindowExW(0, c.kind, c.text, WS_CHILD | WS_VISIBLE | WS_BORDER, c.x, c.y, c.width,
                            c.height, window, nullptr, instance, nullptr);
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
