#include "runtime/qt/QtNumbers.h"

namespace Runtime {

QString DecimalPoint(const QLocale& locale)
{
    struct Cache {
        QLocale locale;
        QString decimalPoint;
    };
    thread_local Cache cache{QLocale::c(), QLocale::c().decimalPoint()};
    // QLocale compares by its data and options: cheap, unlike the query.
    if (!(cache.locale == locale)) {
        cache = {locale, locale.decimalPoint()};
    }
    return cache.decimalPoint;
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
