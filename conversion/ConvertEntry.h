#pragma once

#include "conversion/ConversionRule.h"

#include <optional>
#include <string>
#include <string_view>

namespace Conversion {

// The result text for what the user typed, or nothing when the text is not a
// number, in which case the caller must leave everything as it was. The same
// text always gives the same answer. `decimalPoint` is the user's locale's.
[[nodiscard]] std::optional<std::u16string> ConvertEntry(const ConversionRule& rule,
                                                         std::u16string_view text,
                                                         std::u16string_view decimalPoint);

} // namespace Conversion
