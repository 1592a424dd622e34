#include "runtime/win32/SingleInstance.h"

#include <string>

namespace Runtime::Win32 {

namespace {

// A running instance makes its window within moments of its start, and
// answers at once; one that has not by then is stuck, and the user is better
// served by a window of the new start's own.
constexpr DWORD WindowWaitMilliseconds = 2000;
constexpr DWORD PollMilliseconds = 50;
constexpr UINT AnswerTimeoutMilliseconds = 2000;

} // namespace

SingleInstance::SingleInstance(std::wstring_view appId)
{
    const std::wstring name = L"Local\\" + std::wstring(appId);
    m_mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    // Without the mutex (refused by another user's), the start stands alone.
    m_first = !m_mutex || GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance()
{
    if (m_mutex) {
        CloseHandle(m_mutex);
    }
}

bool SingleInstance::BringForward(const wchar_t* windowClass, UINT message, LRESULT taken)
{
    HWND window = nullptr;
    for (DWORD waited = 0; !(window = FindWindowW(windowClass, nullptr));
         waited += PollMilliseconds) {
        if (waited >= WindowWaitMilliseconds) {
            return false;
        }
        Sleep(PollMilliseconds); // the first start is still making its window
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    AllowSetForegroundWindow(process);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMilliseconds,
                               &answer) != 0 &&
           static_cast<LRESULT>(answer) == taken;
}

} // namespace Runtime::Win32
