#include "runtime/numbers/NumberFormat.h"

#include "runtime/numbers/RuntimeError.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>

namespace Runtime {

namespace {

constexpr int SignificantDigits = 15;

struct FixedPattern {
    std::ptrdiff_t minIntDigits = 0;
    std::ptrdiff_t decimals = 0;
};

// Runs on every keystroke, so a plain loop over the few characters rather
// than searching the pattern.
FixedPattern parsePattern(std::u16string_view pattern)
{
    FixedPattern fixed;
    bool afterPoint = false;
    bool valid = !pattern.empty();
    for (const char16_t c : pattern) {
        if (c == u'0') {
            ++(afterPoint ? fixed.decimals : fixed.minIntDigits);
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
        } else {
            valid = false;
        }
    }
    if (!valid || fixed.minIntDigits == 0 || (afterPoint && fixed.decimals == 0)) {
        std::string text = "Unsupported format pattern: ";
        for (const char16_t c : pattern) {
            text += c < 0x80 ? static_cast<char>(c) : '?';
        }
        throw RuntimeError(RuntimeError::InvalidProcedureCall, text);
    }
    return fixed;
}

// A decimal as significant digits d1 d2 ... and the place of the decimal
// point: value = 0.d1d2... * 10^point. No digits means zero. At most 17
// digits come from a double, and rounding can add one.
struct Decimal {
    std::array<char, 24> digits{};
    int count = 0;
    int point = 0;

    [[nodiscard]] char16_t at(std::ptrdiff_t place) const
    {
        return place >= 0 && place < count ? char16_t(digits[std::size_t(place)]) : u'0';
    }
};

// Reads std::to_chars' scientific form, "d[.ddd]e[+-]xx".
Decimal fromScientific(const char* first, const char* last)
{
    Decimal decimal;
    const char* e = static_cast<const char*>(std::memchr(first, 'e', std::size_t(last - first)));
    decimal.digits[0] = first[0];
    decimal.count = 1;
    if (first + 1 < e) { // first[1] is the point
        const auto fraction = std::size_t(e - first - 2);
        std::memcpy(decimal.digits.data() + 1, first + 2, fraction);
        decimal.count += int(fraction);
    }
    const char* exponentStart = e + 1;
    if (*exponentStart == '+') {
        ++exponentStart; // from_chars takes no plus sign
    }
    int exponent = 0;
    std::from_chars(exponentStart, last, exponent);
    decimal.point = exponent + 1;
    return decimal;
}

// Rounds half away from zero so that `decimals` digits stay after the point.
void roundTo(Decimal& decimal, std::ptrdiff_t decimals)
{
    const std::ptrdiff_t keep = decimal.point + decimals;
    if (keep >= decimal.count) {
        return;
    }
    if (keep < 0) {
        decimal.count = 0;
        return;
    }
    char* digits = decimal.digits.data();
    const bool up = digits[keep] >= '5';
    decimal.count = int(keep);
    if (!up) {
        return;
    }
    std::ptrdiff_t i = keep;
    while (i > 0 && digits[i - 1] == '9') {
        digits[--i] = '0';
    }
    if (i > 0) {
        ++digits[i - 1];
    } else {
        // All nines: 0.999 becomes 1.000, one place further left.
        std::memmove(digits + 1, digits, std::size_t(decimal.count));
        digits[0] = '1';
        ++decimal.count;
        ++decimal.point;
    }
}

// The magnitude correctly rounded to 15 significant digits.
//
// Fixed-precision printing is several times slower than the shortest
// round-trip digits, so those come first. With 15 digits or fewer they are
// the answer: 15-digit decimals lie more than four doubles apart, so the one
// that reads back as the value is also the one nearest to it. With more,
// rounding them again is only wrong where a 15-digit midpoint lies between
// them and the value; they are less than a ninth of a 15-digit unit from the
// value, so only a 16th digit from 3 to 6 needs the exact digits.
Decimal toDecimal(double magnitude)
{
    char buffer[32];
    auto result = std::to_chars(std::begin(buffer), std::end(buffer), magnitude,
                                std::chars_format::scientific);
    Decimal decimal = fromScientific(buffer, result.ptr);
    if (decimal.count <= SignificantDigits) {
        return decimal;
    }
    const char next = decimal.digits[SignificantDigits];
    if (next < '3' || next > '6') {
        roundTo(decimal, SignificantDigits - decimal.point);
        return decimal;
    }
    result = std::to_chars(std::begin(buffer), std::end(buffer), magnitude,
                           std::chars_format::scientific, SignificantDigits - 1);
    return fromScientific(buffer, result.ptr);
}

} // namespace

std::u16string Format(double value, std::u16string_view pattern, std::u16string_view decimalPoint)
{
    const FixedPattern fixed = parsePattern(pattern);
    if (!std::isfinite(value)) {
        throw RuntimeError(RuntimeError::InvalidProcedureCall,
                           "Cannot format a value that is not finite");
    }

    Decimal decimal;
    if (value != 0.0) {
        decimal = toDecimal(std::fabs(value));
        roundTo(decimal, fixed.decimals);
    }
    // After rounding, the digits are either none (zero) or start nonzero.
    const bool isZero = decimal.count == 0;
    const bool negative = std::signbit(value) && !isZero;
    const std::ptrdiff_t intDigits =
        std::max(fixed.minIntDigits, isZero ? std::ptrdiff_t(0) : std::ptrdiff_t(decimal.point));
    const std::ptrdiff_t separator =
        fixed.decimals > 0 ? static_cast<std::ptrdiff_t>(decimalPoint.size()) : 0;

    // Written in place: appending character by character costs more than
    // all of the formatting.
    std::u16string text(
        static_cast<std::size_t>((negative ? 1 : 0) + intDigits + separator + fixed.decimals),
        u'\0');
    char16_t* out = text.data();
    if (negative) {
        *out++ = u'-';
    }
    for (std::ptrdiff_t i = 0; i < intDigits; ++i) {
        *out++ = decimal.at(decimal.point - intDigits + i);
    }
    out = std::copy(decimalPoint.begin(), decimalPoint.begin() + separator, out);
    for (std::ptrdiff_t i = 0; i < fixed.decimals; ++i) {
        *out++ = decimal.at(decimal.point + i);
    }
    return text;
}

} // namespace Runtime
