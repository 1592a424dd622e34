#pragma once

#include <windows.h>

namespace Runtime::Win32 {

// From now on, a DLL that anything in the process loads by name (what the
// system's own DLLs bring in, such as the theme library) is looked for in the
// system folder only, never beside the exe, where a download folder may hold
// a planted copy. Called first thing, before anything loads a DLL by name.
// Windows 7 has this only with update KB2533623; without it, the current
// folder at least is left out of the search.
void SearchSystemFolderOnly();

// A function of a Windows DLL that the program does not import, loaded on
// first use from the system folder only, by its full path where the system
// cannot be told to search there alone. Null where the DLL or the function
// does not exist (older Windows, Wine).
[[nodiscard]] FARPROC SystemFunction(const wchar_t* library, const char* name);

template <typename Function>
[[nodiscard]] Function* SystemFunction(const wchar_t* library, const char* name)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(SystemFunction(library, name)));
}

} // namespace Runtime::Win32
