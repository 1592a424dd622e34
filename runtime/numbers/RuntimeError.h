#pragma once

#include <stdexcept>
#include <string>

namespace Runtime {

// An error raised by a runtime service. Nothing in the program catches it.
// In the Qt program it travels to the application's last-chance handler,
// which reports the number and text and ends the program; the Win32 program
// has no such handler, and the C++ runtime ends it (std::terminate).
class RuntimeError : public std::runtime_error
{
public:
    // Numbers as the user may know them from other runtimes.
    enum Number : int {
        InvalidProcedureCall = 5,
        InternalError = 51,
    };

    // `text` is UTF-8.
    RuntimeError(int number, const std::string& text);

    [[nodiscard]] int number() const noexcept { return m_number; }

private:
    int m_number;
};

} // namespace Runtime
