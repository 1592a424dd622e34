#pragma once

#include <optional>
#include <string_view>

namespace Runtime {

// The one number grammar of the program, by which a conversion takes its
// input:
//
//   blanks? sign? (digits [sep digits?] | sep digits) ([eE] sign? digits)? blanks?
//
// where sign is '+' or '-', digits are ASCII 0-9, blanks are Unicode white
// space, and sep is the given decimal separator (the user's locale's) or '.'.
// Grouping separators, currency signs, other bases, "inf" and "nan" are not
// numbers. Neither is a text whose value lies beyond the range of a double:
// it could not be converted. Text is UTF-16, as both window systems hold it.

// The correctly rounded nearest double, independent of the C locale. A value
// too small for a double becomes a subnormal or a zero of the text's sign.
[[nodiscard]] std::optional<double> ToDouble(std::u16string_view text,
                                             std::u16string_view decimalPoint);

} // namespace Runtime
