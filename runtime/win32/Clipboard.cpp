#include "runtime/win32/Clipboard.h"

#include <cstring>

namespace Runtime::Win32 {

namespace {

constexpr int OpenAttempts = 10;
constexpr DWORD RetryMilliseconds = 10;

} // namespace

bool SetClipboardText(HWND owner, std::u16string_view text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    if (!memory) {
        return false;
    }
    if (void* data = GlobalLock(memory)) {
        std::memcpy(data, text.data(), text.size() * sizeof(char16_t));
        static_cast<char16_t*>(data)[text.size()] = u'\0';
        GlobalUnlock(memory);
    }
    bool opened = false;
    for (int attempt = 0; attempt < OpenAttempts && !opened; ++attempt) {
        opened = OpenClipboard(owner) != FALSE;
        if (!opened) {
            Sleep(RetryMilliseconds);
        }
    }
    if (!opened) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    // Once set, the memory is the clipboard's.
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!set) {
        GlobalFree(memory);
    }
    return set;
}

} // namespace Runtime::Win32
