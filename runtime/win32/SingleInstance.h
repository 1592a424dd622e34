#pragma once

#include <string_view>
#include <windows.h>

namespace Runtime::Win32 {

// The program's one instance in the user's session: a mutex named from the
// application id in the session's own namespace, held while the program
// runs. A second start finds the first's window and hands it the foreground.
class SingleInstance
{
public:
    explicit SingleInstance(std::wstring_view appId);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process of the session is the instance.
    [[nodiscard]] bool first() const { return m_first; }

    // Lets the running instance's window of that class take the foreground,
    // which only the process the user just started may hand on, and sends it
    // `message` to come forward. False unless such a window answered `taken`
    // in time: one on its way out answers otherwise.
    [[nodiscard]] static bool BringForward(const wchar_t* windowClass, UINT message, LRESULT taken);

private:
    HANDLE m_mutex = nullptr;
    bool m_first = true;
};

} // namespace Runtime::Win32
