// Feeds arbitrary UTF-16 text to the conversion, with the decimal point of
// the C locale and the comma of German, and checks the properties every caller relies on; plain
// ASCII text also against an independent oracle.
#include "conversion/ConvertEntry.h"
#include "runtime/numbers/NumberFormat.h"
#include "runtime/qt/QtNumbers.h"
#include "tests/ConversionOracle.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// An accepted result is "-?digits<sep>digits" with exactly `decimals`
// digits after the separator, and never a negative zero.
bool hasPatternShape(const QString& text, qsizetype decimals, QChar separator)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'-') {
        ++i;
    }
    const qsizetype intStart = i;
    bool allZero = true;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        allZero = allZero && text[i] == u'0';
        ++i;
    }
    if (i == intStart || i >= text.size() || text[i] != separator) {
        return false;
    }
    ++i;
    const qsizetype fracStart = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        allZero = allZero && text[i] == u'0';
        ++i;
    }
    if (i != text.size() || i - fracStart != decimals) {
        return false;
    }
    return !(text[0] == u'-' && allZero);
}

void check(const QString& text, char16_t separator)
{
    const Conversion::ConversionRule* rules[] = {&Conversion::MmToMil, &Conversion::MilToMm};
    for (const auto* rule : rules) {
        const std::optional<std::u16string> result = Conversion::ConvertEntry(
            *rule, Runtime::ToU16(text), std::u16string_view(&separator, 1));
        const auto decimals =
            static_cast<qsizetype>(rule->Pattern.size() - rule->Pattern.find(u'.') - 1);
        if (result && !hasPatternShape(Runtime::ToQString(*result), decimals, separator)) {
            std::abort();
        }
    }
}

// Plain ASCII in the C locale: the conversion must agree, text for text,
// with the oracle that works through strtod and printf instead.
void checkAgainstOracle(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 128) {
            return;
        }
    }
    for (const bool mmToMil : {true, false}) {
        const auto& rule = mmToMil ? Conversion::MmToMil : Conversion::MilToMm;
        const std::optional<std::u16string> result =
            Conversion::ConvertEntry(rule, Runtime::ToU16(text), u".");
        const std::optional<QString> expected = OracleConvert(text, mmToMil);
        if (result.has_value() != expected.has_value() ||
            (result && Runtime::ToQString(*result) != *expected)) {
            std::fprintf(stderr, "disagree on \"%s\"\n", qPrintable(text));
            std::abort();
        }
    }
}

// The formatter's shortcuts to 15 significant digits against the C
// library's exact printing: a value and the double nearest to its exact
// 15-digit rounding must format alike.
void checkFormat(double value)
{
    if (!std::isfinite(value)) {
        return;
    }
    char exact[40];
    std::snprintf(exact, sizeof exact, "%.14e", value);
    const double rounded = std::strtod(exact, nullptr);
    if (!std::isfinite(rounded)) {
        return; // the 15-digit rounding of a value next to the largest double
    }
    for (const QStringView pattern : {QStringView(u"0.00"), QStringView(u"0.000")}) {
        if (Runtime::Format(value, Runtime::ToU16(pattern), u".") !=
            Runtime::Format(rounded, Runtime::ToU16(pattern), u".")) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    check(text, u'.'); // as in the C locale
    check(text, u','); // as in German
    checkAgainstOracle(text);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkFormat(value);
    }
    return 0;
}
