#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace Runtime::Win32 {

// Puts `text` on the clipboard as CF_UNICODETEXT, which Windows keeps after
// the program ends. One attempt that never waits: false when another
// program holds the clipboard open or memory ran out.
bool SetClipboardText(HWND owner, std::u16string_view text);

// The latest result on its way to the clipboard. Clipboard history, remote
// desktop sync and Office open the clipboard for a moment, sometimes for
// seconds; waiting for them would stall typing, and dropping the text would
// leave the clipboard behind what the window shows. So a text that cannot be
// set at once waits, and the owner window's timer retries it until it lands;
// a newer text replaces it.
class ClipboardWriter
{
public:
    explicit ClipboardWriter(UINT_PTR retryTimer)
        : m_retryTimer(retryTimer)
    {
    }
    // The window that owns the clipboard and gets the retry timer; set
    // before the first text.
    void setOwner(HWND owner) { m_owner = owner; }

    void setText(std::u16string_view text);
    // On the retry timer's WM_TIMER.
    void retry();
    // Before the owner window goes: a text still waiting gets up to
    // `milliseconds` more, then is given up.
    void flush(DWORD milliseconds);

private:
    bool attempt();

    HWND m_owner = nullptr;
    UINT_PTR m_retryTimer;
    std::u16string m_text;
    bool m_pending = false;
};

} // namespace Runtime::Win32
