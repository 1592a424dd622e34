#pragma once

#include <QLocale>
#include <QStringView>

#include <optional>

namespace Runtime {

// The one number grammar of the program, shared by the numeric test and the
// conversion so that the two can never disagree:
//
//   blanks? sign? (digits [sep digits?] | sep digits) ([eE] sign? digits)? blanks?
//
// where sign is '+' or '-', digits are ASCII 0-9 and sep is the locale's
// decimal separator or '.'. Grouping separators, currency signs, other bases,
// "inf" and "nan" are not numbers. Neither is a text whose value lies beyond
// the range of a double: it could not be converted.

// True exactly when ToDouble() gives a value for the text.
[[nodiscard]] bool IsNumeric(QStringView text, const QLocale& locale = QLocale());

// The correctly rounded nearest double, independent of the C locale. A value
// too small for a double becomes a subnormal or a zero of the text's sign.
[[nodiscard]] std::optional<double> ToDouble(QStringView text, const QLocale& locale = QLocale());

// The locale's decimal separator. Asking a system locale costs more than a
// whole parse, so the answer for the last locale asked is kept.
[[nodiscard]] QString DecimalPoint(const QLocale& locale);

// The same with the decimal separator given, for callers that look up the
// locale once: asking a system locale for its separator costs more than
// the whole parse.
[[nodiscard]] std::optional<double> ToDouble(QStringView text, QStringView decimalPoint);

} // namespace Runtime
