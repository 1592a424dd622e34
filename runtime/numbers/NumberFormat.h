#pragma once

#include <string>
#include <string_view>

namespace Runtime {

// Formats a finite double by a fixed-point pattern such as "0.00": the number
// of '0's before the separator is the least number of integer digits, the
// number after it the exact number of decimals. There is no digit grouping
// and the separator is the one given (the user's locale's); negative values
// take a leading '-', ASCII so that every program the text is pasted into
// reads it.
//
// The value is first taken as a decimal of 15 significant digits and then
// rounded half away from zero, so that 19.685 gives 19.69 even though the
// nearest double lies just below the tie. A result that rounds to zero has no
// sign. Large values print all their digits.
//
// Throws RuntimeError (invalid procedure call) for any other pattern and for
// a value that is not finite.
[[nodiscard]] std::u16string Format(double value, std::u16string_view pattern,
                                    std::u16string_view decimalPoint);

} // namespace Runtime
