#pragma once

#include <string_view>
#include <windows.h>

namespace Runtime::Win32 {

// Puts `text` on the clipboard as CF_UNICODETEXT, which Windows keeps after
// the program ends. Another program may hold the clipboard open for a
// moment: a few short retries, then the text is dropped and false returned;
// the program goes on either way.
bool SetClipboardText(HWND owner, std::u16string_view text);

} // namespace Runtime::Win32
