#include "conversion/ConvertEntry.h"
#include "runtime/qt/QtNumbers.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <bit>
#include <cstdint>

using namespace Qt::StringLiterals;

using namespace Conversion;

Q_DECLARE_METATYPE(const Conversion::ConversionRule*)

namespace {

// The conversion at Qt's edge, as the Qt window calls it.
std::optional<QString> ConvertEntry(const ConversionRule& rule, QStringView text,
                                    const QLocale& locale = QLocale())
{
    const std::optional<std::u16string> result = Conversion::ConvertEntry(
        rule, Runtime::ToU16(text), Runtime::ToU16(Runtime::DecimalPoint(locale)));
    return result ? std::optional<QString>(Runtime::ToQString(*result)) : std::nullopt;
}

// Exact decimal model of a rule: input digits M * 10^-scale, times the
// factor as the fraction numerator / 10^denominatorDigits, rounded half away
// from zero to `decimals`, all in integers.
struct ExactRule {
    std::int64_t numerator;
    int denominatorDigits;
    int decimals;
};

constexpr ExactRule ExactMmToMil{3937, 2, 2};
constexpr ExactRule ExactMilToMm{254, 4, 3};

std::int64_t powerOfTen(int exponent)
{
    std::int64_t p = 1;
    for (int i = 0; i < exponent; ++i) {
        p *= 10;
    }
    return p;
}

// value = mantissa * 10^-scale, scale may be negative (trailing zeros).
QString exactResult(const ExactRule& rule, std::int64_t mantissa, int scale)
{
    // product = mantissa * numerator * 10^-(scale + denominatorDigits);
    // shown = round(product * 10^decimals) = round(mantissa * numerator / 10^shift).
    const int shift = scale + rule.denominatorDigits - rule.decimals;
    std::int64_t scaled = mantissa * rule.numerator;
    const bool negative = scaled < 0;
    if (negative) {
        scaled = -scaled;
    }
    std::int64_t rounded = 0;
    if (shift <= 0) {
        rounded = scaled * powerOfTen(-shift);
    } else {
        const std::int64_t divisor = powerOfTen(shift);
        rounded = scaled / divisor + ((scaled % divisor) * 2 >= divisor ? 1 : 0);
    }
    const std::int64_t unit = powerOfTen(rule.decimals);
    QString text = QString::number(rounded / unit) + u'.' +
                   QString::number(rounded % unit).rightJustified(rule.decimals, u'0');
    if (negative && rounded != 0) {
        text.prepend(u'-');
    }
    return text;
}

QString decimalText(std::int64_t mantissa, int scale, QRandomGenerator& random)
{
    const bool negative = mantissa < 0;
    QString digits = QString::number(negative ? -mantissa : mantissa);
    QString text;
    if (scale <= 0) {
        // Sometimes as trailing zeros, sometimes as an exponent.
        if (random.bounded(2)) {
            text = digits + QString(-scale, u'0');
        } else {
            text = digits + u'e' + QString::number(-scale);
        }
    } else {
        if (digits.size() <= scale) {
            digits = QString(scale - digits.size() + 1, u'0') + digits;
        }
        text = digits.first(digits.size() - scale) + u'.' + digits.last(scale);
    }
    return negative ? QString(u'-' + text) : text;
}

} // namespace

class TestConvertEntry : public QObject
{
    Q_OBJECT

private slots:
    void factorBits();
    void workedValues_data();
    void workedValues();
    void nothing_data();
    void nothing();
    void matchesExactDecimal_data();
    void matchesExactDecimal();
    void germanLocale();
};

void TestConvertEntry::factorBits()
{
    QCOMPARE(std::bit_cast<std::uint64_t>(MmToMil.Factor), std::uint64_t(0x4043AF5C28F5C28F));
    QCOMPARE(std::bit_cast<std::uint64_t>(MilToMm.Factor), std::uint64_t(0x3F9A027525460AA6));
    QCOMPARE(MmToMil.Pattern, u"0.00");
    QCOMPARE(MilToMm.Pattern, u"0.000");
}

void TestConvertEntry::workedValues_data()
{
    QTest::addColumn<const ConversionRule*>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1 mm") << &MmToMil << u"1"_s << u"39.37"_s;
    QTest::newRow("12 mm") << &MmToMil << u"12"_s << u"472.44"_s;
    QTest::newRow("123 mm") << &MmToMil << u"123"_s << u"4842.51"_s;
    QTest::newRow("-2 mm") << &MmToMil << u"-2"_s << u"-78.74"_s;
    QTest::newRow("0 mm") << &MmToMil << u"0"_s << u"0.00"_s;
    QTest::newRow("100 mm") << &MmToMil << u"100"_s << u"3937.00"_s;
    QTest::newRow("one inch") << &MmToMil << u"25.4"_s << u"1000.00"_s;
    QTest::newRow("0.5 mm tie") << &MmToMil << u"0.5"_s << u"19.69"_s;
    QTest::newRow("1 mil") << &MilToMm << u"1"_s << u"0.025"_s;
    QTest::newRow("5 mil") << &MilToMm << u"5"_s << u"0.127"_s;
    QTest::newRow("100 mil") << &MilToMm << u"100"_s << u"2.540"_s;
    QTest::newRow("1000 mil") << &MilToMm << u"1000"_s << u"25.400"_s;
    QTest::newRow("3937 mil gains a digit") << &MilToMm << u"3937"_s << u"100.000"_s;
    QTest::newRow("19.75 mil tie") << &MilToMm << u"19.75"_s << u"0.502"_s;
    QTest::newRow("-0.001 mil is no negative zero") << &MilToMm << u"-0.001"_s << u"0.000"_s;
    QTest::newRow("blanks and sign") << &MilToMm << u" +10 "_s << u"0.254"_s;
    QTest::newRow("underflow") << &MmToMil << u"1e-400"_s << u"0.00"_s;
}

void TestConvertEntry::workedValues()
{
    QFETCH(const ConversionRule*, rule);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const std::optional<QString> result = ConvertEntry(*rule, text, QLocale::c());
    QVERIFY(result.has_value());
    QCOMPARE(*result, expected);
}

void TestConvertEntry::nothing_data()
{
    QTest::addColumn<const ConversionRule*>("rule");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty mm") << &MmToMil << QString();
    QTest::newRow("empty mil") << &MilToMm << QString();
    QTest::newRow("abc mm") << &MmToMil << u"abc"_s;
    QTest::newRow("abc mil") << &MilToMm << u"abc"_s;
    QTest::newRow("12a") << &MmToMil << u"12a"_s;
    QTest::newRow("lone minus") << &MilToMm << u"-"_s;
    QTest::newRow("text beyond a double") << &MilToMm << u"1e999"_s;
    QTest::newRow("product beyond a double") << &MmToMil << u"1e307"_s;
    QTest::newRow("negative product beyond") << &MmToMil << u"-1.7976931348623157e308"_s;
}

void TestConvertEntry::nothing()
{
    QFETCH(const ConversionRule*, rule);
    QFETCH(QString, text);

    QCOMPARE(ConvertEntry(*rule, text, QLocale::c()), std::nullopt);
}

void TestConvertEntry::matchesExactDecimal_data()
{
    QTest::addColumn<const ConversionRule*>("rule");
    QTest::addColumn<bool>("negative");

    QTest::newRow("mm to mil, positive") << &MmToMil << false;
    QTest::newRow("mm to mil, negative") << &MmToMil << true;
    QTest::newRow("mil to mm, positive") << &MilToMm << false;
    QTest::newRow("mil to mm, negative") << &MilToMm << true;
}

void TestConvertEntry::matchesExactDecimal()
{
    QFETCH(const ConversionRule*, rule);
    QFETCH(bool, negative);

    const ExactRule& exact = rule == &MmToMil ? ExactMmToMil : ExactMilToMm;
    QRandomGenerator random(negative ? 20261208u : 8121620u);
    for (int i = 0; i < 50'000; ++i) {
        // Up to 11 significant digits, at every scale from 1000s to 10^-12.
        const int digits = 1 + int(random.bounded(11));
        std::int64_t mantissa = std::int64_t(random.bounded(quint64(powerOfTen(digits))));
        if (negative) {
            mantissa = -mantissa;
        }
        const int scale = int(random.bounded(16)) - 3;
        const QString text = decimalText(mantissa, scale, random);
        const std::optional<QString> result = ConvertEntry(*rule, text, QLocale::c());
        QVERIFY2(result.has_value(), qPrintable(text));
        QCOMPARE(*result, exactResult(exact, mantissa, scale));
    }
}

void TestConvertEntry::germanLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(ConvertEntry(MmToMil, u"1,5", german), std::optional<QString>(u"59,06"_s));
    QCOMPARE(ConvertEntry(MilToMm, u"3937", german), std::optional<QString>(u"100,000"_s));
    QCOMPARE(ConvertEntry(MilToMm, u"1.5", german), std::optional<QString>(u"0,038"_s));

    // The default locale is what the program uses when none is given.
    {
        const QLocale previous;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        QLocale::setDefault(german);
        QCOMPARE(ConvertEntry(MmToMil, u"1,5"), std::optional<QString>(u"59,06"_s));
    }
    QCOMPARE(ConvertEntry(MmToMil, u"1,5"), std::nullopt);
}

QTEST_APPLESS_MAIN(TestConvertEntry)
#include "tst_ConvertEntry.moc"
