#include "ConversionOracle.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::optional<QString> OracleConvert(const QString& text, bool mmToMil)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (text.isEmpty() || !number.match(text).hasMatch()) {
        return std::nullopt;
    }
    const QByteArray ascii = text.trimmed().toLatin1();
    const double value = std::strtod(ascii.constData(), nullptr);
    const double product = value * (mmToMil ? 39.37 : 0.0254);
    if (!std::isfinite(value) || !std::isfinite(product)) {
        return std::nullopt;
    }
    const int decimals = mmToMil ? 2 : 3;

    // Fifteen significant digits, then half away from zero to the decimals.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(product));
    QString digits = QString::fromLatin1(buffer, 1) + QString::fromLatin1(buffer + 2, 14);
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    // digits * 10^(exponent - 14); shift so that `decimals` digits follow the point.
    const int shift = exponent - 14 + decimals;
    QString scaled; // the value times 10^decimals, as an integer
    if (product == 0.0) {
        scaled = QStringLiteral("0");
    } else if (shift >= 0) {
        scaled = digits + QString(shift, u'0');
    } else if (-shift > 15) {
        scaled = QStringLiteral("0");
    } else {
        const qsizetype keep = 15 + shift;
        const bool up = digits[keep] >= u'5';
        scaled = keep > 0 ? digits.first(keep) : QStringLiteral("0");
        if (up) {
            qsizetype i = scaled.size() - 1;
            while (i >= 0 && scaled[i] == u'9') {
                scaled[i--] = u'0';
            }
            if (i < 0) {
                scaled.prepend(u'1');
            } else {
                scaled[i] = QChar(scaled[i].unicode() + 1);
            }
        }
    }
    while (scaled.size() > 1 && scaled.front() == u'0') {
        scaled.remove(0, 1);
    }
    const bool zero = scaled == u"0";
    scaled = scaled.rightJustified(decimals + 1, u'0');
    QString result = scaled.first(scaled.size() - decimals) + u'.' + scaled.last(decimals);
    if (product < 0 && !zero) {
        result.prepend(u'-');
    }
    return result;
}
