#pragma once

#include "conversion/ConversionRule.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace Conversion {

// The result text for what the user typed, or nothing when the text is not a
// number, in which case the caller must leave everything as it was. The same
// text always gives the same answer.
[[nodiscard]] std::optional<QString> ConvertEntry(const ConversionRule& rule, QStringView text,
                                                  const QLocale& locale = QLocale());

} // namespace Conversion
