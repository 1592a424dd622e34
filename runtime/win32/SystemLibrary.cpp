#include "runtime/win32/SystemLibrary.h"

namespace Runtime::Win32 {

FARPROC SystemFunction(const wchar_t* library, const char* name)
{
    // A DLL loaded once stays loaded; asking again only counts a reference.
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace Runtime::Win32
