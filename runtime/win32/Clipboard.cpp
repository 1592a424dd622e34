#include "runtime/win32/Clipboard.h"

#include <cstring>

namespace Runtime::Win32 {

namespace {

// Short enough that a released clipboard gets the text well within a
// second; long enough to cost nothing while it is held.
constexpr UINT RetryMilliseconds = 50;
constexpr DWORD FlushPauseMilliseconds = 20;

} // namespace

bool SetClipboardText(HWND owner, std::u16string_view text)
{
    if (OpenClipboard(owner) == FALSE) {
        return false;
    }
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    void* data = memory ? GlobalLock(memory) : nullptr;
    bool set = false;
    if (data) {
        std::memcpy(data, text.data(), text.size() * sizeof(char16_t));
        static_cast<char16_t*>(data)[text.size()] = u'\0';
        GlobalUnlock(memory);
        EmptyClipboard();
        // Once set, the memory is the clipboard's.
        set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    CloseClipboard();
    if (!set && memory) {
        GlobalFree(memory);
    }
    return set;
}

void ClipboardWriter::setText(std::u16string_view text)
{
    m_text.assign(text);
    // Typing with a free clipboard never touches the timer.
    if (!attempt() && !m_pending) {
        m_pending = true;
        SetTimer(m_owner, m_retryTimer, RetryMilliseconds, nullptr);
    }
}

void ClipboardWriter::retry()
{
    if (m_pending) {
        attempt();
    }
}

bool ClipboardWriter::attempt()
{
    if (!SetClipboardText(m_owner, m_text)) {
        return false;
    }
    if (m_pending) {
        m_pending = false;
        KillTimer(m_owner, m_retryTimer);
    }
    return true;
}

void ClipboardWriter::flush(DWORD milliseconds)
{
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (m_pending && !attempt() && GetTickCount64() < deadline) {
        Sleep(FlushPauseMilliseconds);
    }
    if (m_pending) {
        m_pending = false;
        KillTimer(m_owner, m_retryTimer);
    }
}

} // namespace Runtime::Win32
