#include "runtime/win32/SingleInstance.h"
#include "runtime/win32/SystemLibrary.h"
#include "window/FormDesign.h"
#include "window/win32/ControlTexts.h"
#include "window/win32/Form1.h"

#include <string>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/)
{
    Runtime::Win32::SearchSystemFolderOnly();
    // One window in the session: started again, the program brings the
    // running one forward and ends.
    const Runtime::Win32::SingleInstance single(ZANDREL_APP_ID);
    if (!single.first() &&
        Runtime::Win32::SingleInstance::BringForward(Form1::WindowClass, Form1::StartedAgainMessage,
                                                     Form1::StartedAgainAnswer)) {
        return 0;
    }
    Form1 form(instance);
    if (!form.Load()) {
        const std::wstring title(FormDesign::Title.begin(), FormDesign::Title.end());
        MessageBoxW(nullptr, LoadText(instance, Texts::CannotMakeWindow).c_str(), title.c_str(),
                    MB_ICONERROR);
        return 1;
    }
    return form.Run();
}
