#pragma once

#include <QString>

#include <stdexcept>

namespace Runtime {

// An error raised by a runtime service. Nothing in the program catches it:
// it travels to the application's last-chance handler, which reports the
// number and text and ends the program.
class RuntimeError : public std::runtime_error
{
public:
    // Numbers as the user may know them from other runtimes.
    enum Number : int {
        InvalidProcedureCall = 5,
        Overflow = 6,
        InternalError = 51,
    };

    RuntimeError(int number, const QString& text);

    [[nodiscard]] int number() const noexcept { return m_number; }
    [[nodiscard]] QString text() const { return m_text; }

private:
    int m_number;
    QString m_text;
};

} // namespace Runtime
