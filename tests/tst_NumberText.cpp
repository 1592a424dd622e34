#include "tests/support/NumberChecks.h"

#include <QScopeGuard>
#include <QTest>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

using namespace Qt::StringLiterals;

using Runtime::IsNumeric;
using Runtime::ToDouble;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void localeSeparator_data();
    void localeSeparator();
    void independentOfCLocale();
    void underflowKeepsSign();
    void hugeTexts();
};

void TestNumberText::accepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << u"12"_s << 12.0;
    QTest::newRow("zero") << u"0"_s << 0.0;
    QTest::newRow("leading zeros") << u"007"_s << 7.0;
    QTest::newRow("plus sign") << u"+3"_s << 3.0;
    QTest::newRow("minus sign") << u"-2"_s << -2.0;
    QTest::newRow("fraction") << u"12.7"_s << 12.7;
    QTest::newRow("no integer digits") << u".5"_s << 0.5;
    QTest::newRow("no fraction digits") << u"5."_s << 5.0;
    QTest::newRow("signed no integer digits") << u"-.25"_s << -0.25;
    QTest::newRow("exponent") << u"1e3"_s << 1000.0;
    QTest::newRow("upper exponent") << u"1E3"_s << 1000.0;
    QTest::newRow("negative exponent") << u"25e-1"_s << 2.5;
    QTest::newRow("plus exponent") << u"2.5e+2"_s << 250.0;
    QTest::newRow("point before exponent") << u"5.e1"_s << 50.0;
    QTest::newRow("leading blanks") << u"  4"_s << 4.0;
    QTest::newRow("trailing blanks") << u"4  "_s << 4.0;
    QTest::newRow("tab around") << u"\t4\t"_s << 4.0;
    QTest::newRow("no-break space") << u"\u00a04"_s << 4.0;
    QTest::newRow("blank before sign") << u" -4"_s << -4.0;
    QTest::newRow("largest double")
        << u"1.7976931348623157e308"_s << std::numeric_limits<double>::max();
    QTest::newRow("smallest subnormal")
        << u"4.9406564584124654e-324"_s << std::numeric_limits<double>::denorm_min();
    QTest::newRow("rounds up to subnormal")
        << u"3e-324"_s << std::numeric_limits<double>::denorm_min();
    QTest::newRow("underflow to zero") << u"1e-400"_s << 0.0;
    QTest::newRow("huge exponent of zero") << u"0e999999999999999999"_s << 0.0;
    QTest::newRow("many digits") << u"0.1000000000000000055511151231257827021181583404541015625"_s
                                 << 0.1;
    // Halfway between 1 and the next double: ties to even gives exactly 1.
    QTest::newRow("tie to even") << u"1.00000000000000011102230246251565404236316680908203125"_s
                                 << 1.0;
    QTest::newRow("just above tie")
        << u"1.00000000000000011102230246251565404236316680908203126"_s << std::nextafter(1.0, 2.0);
}

void TestNumberText::accepted()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    const QLocale c = QLocale::c();
    QVERIFY(IsNumeric(text, c));
    const std::optional<double> converted = ToDouble(text, c);
    QVERIFY(converted.has_value());
    // Compare bits: the conversion must be correctly rounded, not merely close.
    QCOMPARE(std::bit_cast<std::uint64_t>(*converted), std::bit_cast<std::uint64_t>(value));
}

void TestNumberText::rejected_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("blanks only") << u"   "_s;
    QTest::newRow("letters") << u"abc"_s;
    QTest::newRow("number then letter") << u"12a"_s;
    QTest::newRow("letter then number") << u"a12"_s;
    QTest::newRow("lone plus") << u"+"_s;
    QTest::newRow("lone minus") << u"-"_s;
    QTest::newRow("lone point") << u"."_s;
    QTest::newRow("sign and point") << u"-."_s;
    QTest::newRow("two signs") << u"+-1"_s;
    QTest::newRow("double minus") << u"--1"_s;
    QTest::newRow("blank after sign") << u"- 1"_s;
    QTest::newRow("inner blank") << u"1 2"_s;
    QTest::newRow("two points") << u"1.2.3"_s;
    QTest::newRow("grouping") << u"1,000"_s;
    QTest::newRow("exponent without digits") << u"1e"_s;
    QTest::newRow("exponent sign only") << u"1e+"_s;
    QTest::newRow("exponent alone") << u"e5"_s;
    QTest::newRow("point and exponent") << u".e5"_s;
    QTest::newRow("fractional exponent") << u"1e2.5"_s;
    QTest::newRow("hex") << u"0x1A"_s;
    QTest::newRow("hex float") << u"0x1p3"_s;
    QTest::newRow("ampersand hex") << u"&H10"_s;
    QTest::newRow("inf") << u"inf"_s;
    QTest::newRow("infinity") << u"Infinity"_s;
    QTest::newRow("nan") << u"nan"_s;
    QTest::newRow("currency") << u"$5"_s;
    QTest::newRow("percent") << u"5%"_s;
    QTest::newRow("trailing minus") << u"5-"_s;
    QTest::newRow("parentheses") << u"(5)"_s;
    QTest::newRow("fullwidth digit") << u"\uff15"_s;
    QTest::newRow("arabic-indic digit") << u"\u0665"_s;
    QTest::newRow("unicode minus") << u"\u22125"_s;
    QTest::newRow("embedded nul") << QString(u"1\u00002"_s);
    QTest::newRow("overflow") << u"1e999"_s;
    QTest::newRow("negative overflow") << u"-1e999"_s;
    QTest::newRow("just beyond largest double") << u"1.7976931348623159e308"_s;
    QTest::newRow("saturated exponent") << u"1e99999999999999999999"_s;
}

void TestNumberText::rejected()
{
    QFETCH(QString, text);

    const QLocale c = QLocale::c();
    QVERIFY(!IsNumeric(text, c));
    QVERIFY(!ToDouble(text, c).has_value());
}

void TestNumberText::localeSeparator_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("de comma") << u"de_DE"_s << u"1,5"_s << true << 1.5;
    QTest::newRow("de point too") << u"de_DE"_s << u"1.5"_s << true << 1.5;
    QTest::newRow("de leading comma") << u"de_DE"_s << u",25"_s << true << 0.25;
    QTest::newRow("de grouping") << u"de_DE"_s << u"1.000,5"_s << false << 0.0;
    QTest::newRow("de comma exponent") << u"de_DE"_s << u"2,5e2"_s << true << 250.0;
    QTest::newRow("en comma is grouping") << u"en_US"_s << u"1,5"_s << false << 0.0;
    QTest::newRow("zh_TW point") << u"zh_TW"_s << u"2.5"_s << true << 2.5;
    QTest::newRow("fr comma") << u"fr_FR"_s << u"-0,5"_s << true << -0.5;
}

void TestNumberText::localeSeparator()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);

    const QLocale loc(locale);
    QCOMPARE(IsNumeric(text, loc), numeric);
    if (numeric) {
        QCOMPARE(ToDouble(text, loc), std::optional<double>(value));
    }
}

void TestNumberText::independentOfCLocale()
{
    // A C library in a comma locale must not change what the parser reads.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const QByteArray saved = previous ? QByteArray(previous) : QByteArray("C");
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE")) {
        QSKIP("No German C locale installed");
    }
    const auto restore = qScopeGuard([&] { std::setlocale(LC_NUMERIC, saved.constData()); });
    QCOMPARE(std::localeconv()->decimal_point, ",");
    QCOMPARE(std::strtod("12.7", nullptr), 12.0); // what a C-locale parser would read
    QCOMPARE(ToDouble(u"12.7", QLocale::c()), std::optional<double>(12.7));
}

void TestNumberText::underflowKeepsSign()
{
    const std::optional<double> value = ToDouble(u"-1e-400", QLocale::c());
    QVERIFY(value.has_value());
    QCOMPARE(*value, 0.0);
    QVERIFY(std::signbit(*value));
}

void TestNumberText::hugeTexts()
{
    // A pasted wall of digits is parsed, not refused or truncated.
    const QString fraction = u"0."_s + QString(200'000, u'3');
    QCOMPARE(ToDouble(fraction, QLocale::c()), std::optional<double>(1.0 / 3.0));
    QVERIFY(!IsNumeric(QString(200'000, u'7'), QLocale::c()));
    const QString leadingZeros = QString(200'000, u'0') + u"42"_s;
    QCOMPARE(ToDouble(leadingZeros, QLocale::c()), std::optional<double>(42.0));
    const QString tinyFraction = u"0."_s + QString(400, u'0') + u"1"_s;
    QCOMPARE(ToDouble(tinyFraction, QLocale::c()), std::optional<double>(0.0));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_NumberText.moc"
