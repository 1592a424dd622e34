#pragma once

#include <QString>

#include <exception>

namespace Runtime {

// The message for an error that no handler caught, in Traditional Chinese
// whatever the user's language, as runtime errors have always read: the
// error's number and what it means, then, when there is one, the detail it
// was raised with.
[[nodiscard]] QString UnhandledErrorMessage(int number, const QString& detail);

// Shows UnhandledErrorMessage() in a modal message box and returns when the
// user has read it. Ending the program is the caller's business.
void ReportUnhandledError(int number, const QString& detail);

// The same for a caught exception: a RuntimeError gives its own number and
// text, anything else is reported as an internal error.
void ReportUnhandledError(std::exception_ptr error);

} // namespace Runtime
