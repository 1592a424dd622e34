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

} // namespace Runtime
