#include "runtime/win32/SystemLibrary.h"

#include <string>

namespace Runtime::Win32 {

namespace {

using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);

// kernel32 is imported, so always loaded: no DLL is looked for here.
SetDefaultDllDirectoriesFunction* setDefaultDllDirectories()
{
    return reinterpret_cast<SetDefaultDllDirectoriesFunction*>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
}

HMODULE loadFromSystemFolder(const wchar_t* library)
{
    // A DLL loaded once stays loaded; asking again only counts a reference.
    if (const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return module;
    }
    // Windows 7 without KB2533623 refuses the flag: the full path, and the
    // DLL's own dependencies looked for beside it.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L'\\' + library;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace

void SearchSystemFolderOnly()
{
    const auto set = setDefaultDllDirectories();
    if (!set || !set(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

FARPROC SystemFunction(const wchar_t* library, const char* name)
{
    const HMODULE module = loadFromSystemFolder(library);
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace Runtime::Win32
