#pragma once

#include "runtime/qt/QtNumbers.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

// The number services as the tests and benchmarks ask them: the numeric
// test, and Qt's text with a QLocale's separator. The program itself asks
// only for what a conversion needs (runtime/numbers, runtime/qt/QtNumbers.h).
namespace Runtime {

// True exactly when ToDouble() gives a value for the text.
[[nodiscard]] bool IsNumeric(std::u16string_view text, std::u16string_view decimalPoint);
[[nodiscard]] bool IsNumeric(QStringView text, const QLocale& locale = QLocale());
[[nodiscard]] std::optional<double> ToDouble(QStringView text, const QLocale& locale = QLocale());
[[nodiscard]] std::optional<double> ToDouble(QStringView text, QStringView decimalPoint);
[[nodiscard]] QString Format(double value, QStringView pattern, const QLocale& locale = QLocale());
[[nodiscard]] QString Format(double value, QStringView pattern, QStringView decimalPoint);

} // namespace Runtime
