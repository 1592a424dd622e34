#include "tests/support/NumberChecks.h"

#include "runtime/numbers/NumberFormat.h"
#include "runtime/numbers/NumberText.h"

namespace Runtime {

bool IsNumeric(std::u16string_view text, std::u16string_view decimalPoint)
{
    return ToDouble(text, decimalPoint).has_value();
}

bool IsNumeric(QStringView text, const QLocale& locale)
{
    return IsNumeric(ToU16(text), ToU16(DecimalPoint(locale)));
}

std::optional<double> ToDouble(QStringView text, const QLocale& locale)
{
    return ToDouble(ToU16(text), ToU16(DecimalPoint(locale)));
}

std::optional<double> ToDouble(QStringView text, QStringView decimalPoint)
{
    return ToDouble(ToU16(text), ToU16(decimalPoint));
}

QString Format(double value, QStringView pattern, const QLocale& locale)
{
    return ToQString(Format(value, ToU16(pattern), ToU16(DecimalPoint(locale))));
}

QString Format(double value, QStringView pattern, QStringView decimalPoint)
{
    return ToQString(Format(value, ToU16(pattern), ToU16(decimalPoint)));
}

} // namespace Runtime
