#pragma once

#include <string_view>

namespace Conversion {

// A fixed factor and the pattern its products are shown with.
struct ConversionRule {
    double Factor;
    std::u16string_view Pattern;
};

// 39.37, not 1 / 0.0254: the two rules are deliberately not exact inverses,
// and 25.4 mm shows as 1000.00 mil only after rounding 999.998.
inline constexpr ConversionRule MmToMil{39.37, u"0.00"};
inline constexpr ConversionRule MilToMm{0.0254, u"0.000"};

} // namespace Conversion
