#pragma once

#include <QString>

namespace Runtime {

// The message for an error that no handler caught, in Traditional Chinese
// like the rest of the program's texts: the error's number and what it means,
// then, when there is one, the detail it was raised with.
[[nodiscard]] QString UnhandledErrorMessage(int number, const QString& detail);

// Shows UnhandledErrorMessage() in a modal message box and returns when the
// user has read it. Ending the program is the caller's business.
void ReportUnhandledError(int number, const QString& detail);

} // namespace Runtime
