#include "window/win32/Form1.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/)
{
    Form1 form(instance);
    if (!form.Load()) {
        MessageBoxW(nullptr, L"\u7121\u6cd5\u5efa\u7acb\u8996\u7a97", L"Zandrel", MB_ICONERROR);
        return 1;
    }
    return form.Run();
}
