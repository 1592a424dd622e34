#include "conversion/ConvertEntry.h"

#include "runtime/numbers/NumberFormat.h"
#include "runtime/numbers/NumberText.h"

#include <cmath>

namespace Conversion {

std::optional<std::u16string> ConvertEntry(const ConversionRule& rule, std::u16string_view text,
                                           std::u16string_view decimalPoint)
{
    if (text.empty()) {
        return std::nullopt;
    }
    // The numeric test and the conversion are one parse: a text is numeric
    // exactly when it converts, so there is no second pass to disagree.
    const std::optional<double> value = Runtime::ToDouble(text, decimalPoint);
    if (!value) {
        return std::nullopt;
    }
    const double product = *value * rule.Factor;
    // A product beyond the range of a double (an input near the largest
    // double times 39.37) is treated like any other text that is not a
    // usable number, instead of ending the program.
    if (!std::isfinite(product)) {
        return std::nullopt;
    }
    return Runtime::Format(product, rule.Pattern, decimalPoint);
}

} // namespace Conversion
