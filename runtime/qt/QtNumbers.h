#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <string_view>

// The number services at Qt's edge: Qt's text in and out, and the decimal
// separator of a QLocale. Qt holds text as UTF-16 like the services, so
// nothing is copied on the way in.
namespace Runtime {

[[nodiscard]] inline std::u16string_view ToU16(QStringView text)
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

[[nodiscard]] inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The locale's decimal separator. Asking a system locale costs more than a
// whole parse, so the answer for the last locale asked is kept.
[[nodiscard]] QString DecimalPoint(const QLocale& locale);

} // namespace Runtime
