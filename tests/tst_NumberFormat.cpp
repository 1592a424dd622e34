#include "runtime/numbers/RuntimeError.h"
#include "tests/support/NumberChecks.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

using namespace Qt::StringLiterals;

using Runtime::Format;

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void largeValuesPrintAllDigits();
    void agreesWithExactDigits_data();
    void agreesWithExactDigits();
    void localeSeparator_data();
    void localeSeparator();
    void badArguments_data();
    void badArguments();
};

void TestNumberFormat::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero 2") << 0.0 << u"0.00"_s << u"0.00"_s;
    QTest::newRow("zero 3") << 0.0 << u"0.000"_s << u"0.000"_s;
    QTest::newRow("negative zero") << -0.0 << u"0.00"_s << u"0.00"_s;
    QTest::newRow("pads decimals") << 2.54 << u"0.000"_s << u"2.540"_s;
    QTest::newRow("leading zero") << 0.0254 << u"0.000"_s << u"0.025"_s;
    QTest::newRow("rounds down") << 472.44 << u"0.00"_s << u"472.44"_s;
    QTest::newRow("negative") << -78.74 << u"0.00"_s << u"-78.74"_s;
    // 0.5 * 39.37 and 19.75 * 0.0254: the doubles lie just below the ties.
    QTest::newRow("tie of 19.685") << 0.5 * 39.37 << u"0.00"_s << u"19.69"_s;
    QTest::newRow("tie of 0.50165") << 19.75 * 0.0254 << u"0.000"_s << u"0.502"_s;
    QTest::newRow("negative tie") << -0.5 * 39.37 << u"0.00"_s << u"-19.69"_s;
    QTest::newRow("exact tie 0.125") << 0.125 << u"0.00"_s << u"0.13"_s;
    QTest::newRow("exact tie 2.5") << 2.5 << u"0"_s << u"3"_s;
    QTest::newRow("below tie at 15 digits") << 0.12499999999999 << u"0.00"_s << u"0.12"_s;
    QTest::newRow("carry across digits") << 99.9998 << u"0.000"_s << u"100.000"_s;
    QTest::newRow("carry into new digit") << 9.995 << u"0.00"_s << u"10.00"_s;
    QTest::newRow("999.998 to 1000") << 25.4 * 39.37 << u"0.00"_s << u"1000.00"_s;
    QTest::newRow("rounds up to smallest unit") << 0.0005 << u"0.000"_s << u"0.001"_s;
    QTest::newRow("rounds to zero") << 0.0004 << u"0.000"_s << u"0.000"_s;
    QTest::newRow("negative rounds to zero") << -0.0004 << u"0.000"_s << u"0.000"_s;
    QTest::newRow("negative tiny") << -1e-300 << u"0.00"_s << u"0.00"_s;
    QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min() << u"0.000"_s
                               << u"0.000"_s;
    QTest::newRow("no grouping") << 1234567.891 << u"0.00"_s << u"1234567.89"_s;
    QTest::newRow("15 significant digits")
        << 123456789012.345678 << u"0.00"_s << u"123456789012.35"_s;
    QTest::newRow("beyond 15 digits is zeros")
        << 1234567890123456789.0 << u"0.00"_s << u"1234567890123460000.00"_s;
    QTest::newRow("integer pattern") << 41.6 << u"0"_s << u"42"_s;
    QTest::newRow("min integer digits") << 4.5 << u"000.0"_s << u"004.5"_s;
}

void TestNumberFormat::format()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);

    QCOMPARE(Format(value, pattern, QLocale::c()), expected);
}

void TestNumberFormat::largeValuesPrintAllDigits()
{
    const QString text = Format(std::numeric_limits<double>::max(), u"0.00", QLocale::c());
    // 1.79769313486232e308: fifteen significant digits, then zeros to the point.
    QCOMPARE(text.size(), 309 + 3);
    QVERIFY(text.startsWith(u"179769313486232"));
    QCOMPARE(text.sliced(15, 309 - 15), QString(309 - 15, u'0'));
    QVERIFY(text.endsWith(u".00"));
}

void TestNumberFormat::agreesWithExactDigits_data()
{
    QTest::addColumn<int>("kind");

    QTest::newRow("any bit pattern") << 0;
    QTest::newRow("products of short decimals") << 1;
    QTest::newRow("near 15-digit midpoints") << 2;
}

// The formatter takes shortcuts to the 15 significant digits; the C
// library's exact printing is the reference. A value and the double nearest
// to its exact 15-digit rounding must format alike.
void TestNumberFormat::agreesWithExactDigits()
{
    QFETCH(int, kind);

    QRandomGenerator random(20261208u + quint32(kind));
    for (int i = 0; i < 100'000; ++i) {
        double value = 0.0;
        if (kind == 0) {
            do {
                value = std::bit_cast<double>(random.generate64());
            } while (!std::isfinite(value));
        } else if (kind == 1) {
            const double input = double(random.bounded(100'000'000)) / 1000.0;
            value = input * (random.bounded(2) ? 39.37 : 0.0254);
        } else {
            // d.dddddddddddddd5 * 10^e: exactly between two 15-digit decimals.
            char text[40];
            std::snprintf(text, sizeof text, "%llu5e%d",
                          static_cast<unsigned long long>(random.bounded(100'000'000'000'000'0ull)),
                          int(random.bounded(40)) - 20);
            value = std::strtod(text, nullptr);
        }
        char exact[40];
        std::snprintf(exact, sizeof exact, "%.14e", value);
        const double rounded = std::strtod(exact, nullptr);
        if (!std::isfinite(rounded)) {
            continue; // the 15-digit rounding of a value next to the largest double
        }
        for (const QStringView pattern : {u"0.00", u"0.000"}) {
            const QString expected = Format(rounded, pattern, QLocale::c());
            const QString actual = Format(value, pattern, QLocale::c());
            if (actual != expected) {
                QFAIL(qPrintable(QStringLiteral("%1 (%2): %3, expected %4")
                                     .arg(value, 0, 'g', 17)
                                     .arg(QString::fromLatin1(exact), actual, expected)));
            }
        }
    }
}

void TestNumberFormat::localeSeparator_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("de") << u"de_DE"_s << -1234.5 << u"-1234,50"_s;
    QTest::newRow("fr") << u"fr_FR"_s << 0.5 << u"0,50"_s;
    QTest::newRow("en") << u"en_US"_s << 1234.5 << u"1234.50"_s;
    QTest::newRow("zh_TW") << u"zh_TW"_s << 3.25 << u"3.25"_s;
    // Swedish writes U+2212 for minus; pasted into other programs it must stay '-'.
    QTest::newRow("sv minus stays ascii") << u"sv_SE"_s << -1.0 << u"-1,00"_s;
}

void TestNumberFormat::localeSeparator()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(Format(value, u"0.00", QLocale(locale)), expected);
}

void TestNumberFormat::badArguments_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("empty pattern") << 1.0 << QString();
    QTest::newRow("hash pattern") << 1.0 << u"#.##"_s;
    QTest::newRow("point only") << 1.0 << u"."_s;
    QTest::newRow("no integer part") << 1.0 << u".00"_s;
    QTest::newRow("trailing point") << 1.0 << u"0."_s;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u"0.00"_s;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << u"0.00"_s;
}

void TestNumberFormat::badArguments()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);

    QVERIFY_THROWS_EXCEPTION(Runtime::RuntimeError,
                             static_cast<void>(Format(value, pattern, QLocale::c())));
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_NumberFormat.moc"
