#pragma once

#include <QString>

#include <optional>

// The conversion rules worked out independently of the program's number
// services, through the C library's strtod and printf, for ASCII text and a
// '.' separator: the result text, or nothing for a text that is no number.
[[nodiscard]] std::optional<QString> OracleConvert(const QString& text, bool mmToMil);
