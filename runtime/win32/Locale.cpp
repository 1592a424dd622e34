#include "runtime/win32/Locale.h"

#include <windows.h>

namespace Runtime::Win32 {

std::u16string DecimalPoint()
{
    wchar_t buffer[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8);
    if (length <= 1) {
        return u".";
    }
    // wchar_t is UTF-16 on Windows.
    return std::u16string(buffer, buffer + length - 1);
}

} // namespace Runtime::Win32
