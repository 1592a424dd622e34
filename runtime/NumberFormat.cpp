#include "NumberFormat.h"

#include "RuntimeError.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Runtime {

namespace {

constexpr int SignificantDigits = 15;

struct FixedPattern {
    qsizetype minIntDigits = 0;
    qsizetype decimals = 0;
};

FixedPattern parsePattern(QStringView pattern)
{
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView intPart = point < 0 ? pattern : pattern.first(point);
    const QStringView fracPart = point < 0 ? QStringView() : pattern.sliced(point + 1);
    const auto allZeros = [](QStringView part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c == u'0'; });
    };
    if (intPart.isEmpty() || !allZeros(intPart) || !allZeros(fracPart) ||
        (point >= 0 && fracPart.isEmpty())) {
        throw RuntimeError(RuntimeError::InvalidProcedureCall,
                           QStringLiteral("Unsupported format pattern: ") + pattern);
    }
    return {intPart.size(), fracPart.size()};
}

// The value as 15 significant decimal digits d1..d15 and the place of the
// decimal point: value = 0.d1d2...d15 * 10^point.
struct Decimal {
    QVarLengthArray<char, 32> digits;
    qsizetype point = 0;
};

Decimal toDecimal(double magnitude)
{
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), magnitude,
                                      std::chars_format::scientific, SignificantDigits - 1);
    // buffer holds "d.dddddddddddddde[+-]xx"
    Decimal decimal;
    const char* p = buffer;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            decimal.digits.append(*p);
        }
    }
    const char* exponentStart = p + 1;
    if (exponentStart != result.ptr && *exponentStart == '+') {
        ++exponentStart; // from_chars takes no plus sign
    }
    int exponent = 0;
    std::from_chars(exponentStart, result.ptr, exponent);
    decimal.point = exponent + 1;
    return decimal;
}

// Rounds half away from zero so that `decimals` digits stay after the point.
void roundTo(Decimal& decimal, qsizetype decimals)
{
    const qsizetype keep = decimal.point + decimals;
    if (keep >= decimal.digits.size()) {
        return;
    }
    if (keep < 0) {
        decimal.digits.clear();
        return;
    }
    const bool up = decimal.digits[keep] >= '5';
    decimal.digits.resize(keep);
    if (!up) {
        return;
    }
    qsizetype i = keep;
    while (i > 0 && decimal.digits[i - 1] == '9') {
        decimal.digits[--i] = '0';
    }
    if (i > 0) {
        ++decimal.digits[i - 1];
    } else {
        decimal.digits.insert(decimal.digits.cbegin(), '1');
        ++decimal.point;
    }
}

} // namespace

QString Format(double value, QStringView pattern, const QLocale& locale)
{
    return Format(value, pattern, locale.decimalPoint());
}

QString Format(double value, QStringView pattern, QStringView decimalPoint)
{
    const FixedPattern fixed = parsePattern(pattern);
    if (!std::isfinite(value)) {
        throw RuntimeError(RuntimeError::InvalidProcedureCall,
                           QStringLiteral("Cannot format a value that is not finite"));
    }

    Decimal decimal;
    if (value != 0.0) {
        decimal = toDecimal(std::fabs(value));
        roundTo(decimal, fixed.decimals);
    }
    // After rounding, the digits are either empty (zero) or start nonzero.
    const bool isZero = decimal.digits.isEmpty();
    const auto digitAt = [&decimal](qsizetype place) -> char16_t {
        return place >= 0 && place < decimal.digits.size() ? char16_t(decimal.digits[place]) : u'0';
    };
    const qsizetype intDigits = std::max(fixed.minIntDigits, isZero ? 0 : decimal.point);

    // Built in a local buffer and turned into a QString once: appending
    // character by character to a QString costs more than the formatting.
    QVarLengthArray<char16_t, 64> text;
    if (std::signbit(value) && !isZero) {
        text.append(u'-');
    }
    for (qsizetype i = 0; i < intDigits; ++i) {
        text.append(digitAt(decimal.point - intDigits + i));
    }
    if (fixed.decimals > 0) {
        text.append(decimalPoint.utf16(), decimalPoint.size());
        for (qsizetype i = 0; i < fixed.decimals; ++i) {
            text.append(digitAt(decimal.point + i));
        }
    }
    return QString(reinterpret_cast<const QChar*>(text.constData()), text.size());
}

} // namespace Runtime
