#pragma once

#include <windows.h>

namespace Runtime::Win32 {

// A function of a Windows DLL that the program does not import, loaded on
// first use from the system folder only: never from beside the exe, where a
// download folder may hold a planted copy. Null where the DLL or the
// function does not exist (older Windows, Wine).
[[nodiscard]] FARPROC SystemFunction(const wchar_t* library, const char* name);

template <typename Function>
[[nodiscard]] Function* SystemFunction(const wchar_t* library, const char* name)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(SystemFunction(library, name)));
}

} // namespace Runtime::Win32
