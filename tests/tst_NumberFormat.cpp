#include "NumberFormat.h"
#include "RuntimeError.h"

#include <QTest>

#include <cmath>
#include <limits>

using Runtime::Format;

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void largeValuesPrintAllDigits();
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

    QTest::newRow("zero 2") << 0.0 << u"0.00"_qs << u"0.00"_qs;
    QTest::newRow("zero 3") << 0.0 << u"0.000"_qs << u"0.000"_qs;
    QTest::newRow("negative zero") << -0.0 << u"0.00"_qs << u"0.00"_qs;
    QTest::newRow("pads decimals") << 2.54 << u"0.000"_qs << u"2.540"_qs;
    QTest::newRow("leading zero") << 0.0254 << u"0.000"_qs << u"0.025"_qs;
    QTest::newRow("rounds down") << 472.44 << u"0.00"_qs << u"472.44"_qs;
    QTest::newRow("negative") << -78.74 << u"0.00"_qs << u"-78.74"_qs;
    // 0.5 * 39.37 and 19.75 * 0.0254: the doubles lie just below the ties.
    QTest::newRow("tie of 19.685") << 0.5 * 39.37 << u"0.00"_qs << u"19.69"_qs;
    QTest::newRow("tie of 0.50165") << 19.75 * 0.0254 << u"0.000"_qs << u"0.502"_qs;
    QTest::newRow("negative tie") << -0.5 * 39.37 << u"0.00"_qs << u"-19.69"_qs;
    QTest::newRow("exact tie 0.125") << 0.125 << u"0.00"_qs << u"0.13"_qs;
    QTest::newRow("exact tie 2.5") << 2.5 << u"0"_qs << u"3"_qs;
    QTest::newRow("below tie at 15 digits") << 0.12499999999999 << u"0.00"_qs << u"0.12"_qs;
    QTest::newRow("carry across digits") << 99.9998 << u"0.000"_qs << u"100.000"_qs;
    QTest::newRow("carry into new digit") << 9.995 << u"0.00"_qs << u"10.00"_qs;
    QTest::newRow("999.998 to 1000") << 25.4 * 39.37 << u"0.00"_qs << u"1000.00"_qs;
    QTest::newRow("rounds up to smallest unit") << 0.0005 << u"0.000"_qs << u"0.001"_qs;
    QTest::newRow("rounds to zero") << 0.0004 << u"0.000"_qs << u"0.000"_qs;
    QTest::newRow("negative rounds to zero") << -0.0004 << u"0.000"_qs << u"0.000"_qs;
    QTest::newRow("negative tiny") << -1e-300 << u"0.00"_qs << u"0.00"_qs;
    QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min() << u"0.000"_qs
                               << u"0.000"_qs;
    QTest::newRow("no grouping") << 1234567.891 << u"0.00"_qs << u"1234567.89"_qs;
    QTest::newRow("15 significant digits") << 123456789012.345678 << u"0.00"_qs
                                           << u"123456789012.35"_qs;
    QTest::newRow("beyond 15 digits is zeros") << 1234567890123456789.0 << u"0.00"_qs
                                               << u"1234567890123460000.00"_qs;
    QTest::newRow("integer pattern") << 41.6 << u"0"_qs << u"42"_qs;
    QTest::newRow("min integer digits") << 4.5 << u"000.0"_qs << u"004.5"_qs;
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

void TestNumberFormat::localeSeparator_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("de") << u"de_DE"_qs << -1234.5 << u"-1234,50"_qs;
    QTest::newRow("fr") << u"fr_FR"_qs << 0.5 << u"0,50"_qs;
    QTest::newRow("en") << u"en_US"_qs << 1234.5 << u"1234.50"_qs;
    QTest::newRow("zh_TW") << u"zh_TW"_qs << 3.25 << u"3.25"_qs;
    // Swedish writes U+2212 for minus; pasted into other programs it must stay '-'.
    QTest::newRow("sv minus stays ascii") << u"sv_SE"_qs << -1.0 << u"-1,00"_qs;
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
    QTest::newRow("hash pattern") << 1.0 << u"#.##"_qs;
    QTest::newRow("point only") << 1.0 << u"."_qs;
    QTest::newRow("no integer part") << 1.0 << u".00"_qs;
    QTest::newRow("trailing point") << 1.0 << u"0."_qs;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u"0.00"_qs;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << u"0.00"_qs;
}

void TestNumberFormat::badArguments()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);

    QVERIFY_THROWS_EXCEPTION(Runtime::RuntimeError, Format(value, pattern, QLocale::c()));
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_NumberFormat.moc"
