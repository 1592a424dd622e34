#pragma once

#include <string>

namespace Runtime::Win32 {

// The user's decimal separator, from the regional settings.
[[nodiscard]] std::u16string DecimalPoint();

} // namespace Runtime::Win32
