// What the window does, written once in window/, driven through fakes of its
// text boxes and clipboard: no window, no platform.
#include "FakeTextBox.h"
#include "window/Contrast.h"
#include "window/Controls.h"
#include "window/ConversionRow.h"
#include "window/FormDesign.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Contrast::Rgb)

namespace {

std::u16string u16(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString q(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class TestBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void conversionRow_data();
    void conversionRow();
    void selectEntry_data();
    void selectEntry();
    void fittingScale_data();
    void fittingScale();
    void resultShade_data();
    void resultShade();
};

void TestBehaviour::conversionRow_data()
{
    QTest::addColumn<bool>("millimetres");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("decimalPoint");
    QTest::addColumn<QString>("result"); // empty: nothing written
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("mm") << true << u"25.4"_s << u"."_s << u"1000.00"_s << QString();
    QTest::newRow("mil") << false << u"3937"_s << u"."_s << u"100.000"_s << QString();
    QTest::newRow("comma") << true << u"1,5"_s << u","_s << u"59,06"_s << QString();
    QTest::newRow("point beside a comma locale")
        << true << u"1.5"_s << u","_s << u"59,06"_s << QString();
    QTest::newRow("not a number") << true << u"12a"_s << u"."_s << QString() << QString();
    QTest::newRow("empty") << false << QString() << u"."_s << QString() << QString();
    QTest::newRow("too long for the box: whole in the tooltip")
        << true << u"123456789"_s << u"."_s << u"4860493782.93"_s << u"4860493782.93"_s;
}

// A number is converted into the result box, which shows its start, and the
// clipboard gets what the box holds; anything else changes neither.
void TestBehaviour::conversionRow()
{
    QFETCH(bool, millimetres);
    QFETCH(QString, input);
    QFETCH(QString, decimalPoint);
    QFETCH(QString, result);
    QFETCH(QString, toolTip);

    FakeTextBox in(u16(input));
    FakeTextBox out(u"0");
    out.toolTip = u"old";
    FakeClipboard clipboard;
    ConversionRow row(in, out, millimetres ? Conversion::MmToMil : Conversion::MilToMm, clipboard);
    row.onChange(u16(decimalPoint));

    if (result.isEmpty()) {
        QCOMPARE(q(out.text()), u"0"_s);
        QCOMPARE(clipboard.writes, 0);
        return;
    }
    QCOMPARE(q(out.text()), result);
    QCOMPARE(q(clipboard.held), result);
    QCOMPARE(clipboard.writes, 1);
    QCOMPARE(out.selectionStart, 0);
    QCOMPARE(out.selectionLength, 0);
    QCOMPARE(q(out.toolTip), toolTip);
}

void TestBehaviour::selectEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");

    QTest::newRow("the zero") << u"0"_s << 1;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("ten") << u"1234567890"_s << 10;
    QTest::newRow("longer: the first ten") << u"12345678901234"_s << 10;
}

void TestBehaviour::selectEntry()
{
    QFETCH(QString, text);
    QFETCH(int, length);

    FakeTextBox box(u16(text));
    box.setSelection(3, 0);
    SelectEntry(box);
    QCOMPARE(box.selectionStart, 0);
    QCOMPARE(box.selectionLength, length);
}

void TestBehaviour::fittingScale_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("buttonWidth");
    QTest::addColumn<int>("label1");
    QTest::addColumn<double>("factor");

    // The design at 15 twips a pixel: Text1 57 px wide, Command1 89, Label1
    // may grow to (1920 - 60 - 1200) / 15 = 44.
    QTest::newRow("everything fits the design") << 40 << 60 << 20 << 1.0;
    QTest::newRow("a wide input") << 114 << 60 << 20 << 2.0;
    QTest::newRow("a wide caption") << 40 << 178 << 20 << 2.0;
    QTest::newRow("a wide label") << 40 << 60 << 66 << 1.5;
}

// The smallest scale at which every text fits, never below the design.
void TestBehaviour::fittingScale()
{
    QFETCH(int, input);
    QFETCH(int, buttonWidth);
    QFETCH(int, label1);
    QFETCH(double, factor);

    const FormDesign::Needs needs{.input = input,
                                  .result = 40,
                                  .boxHeight = 20,
                                  .buttonWidth = buttonWidth,
                                  .buttonHeight = 20,
                                  .labelHeight = 10};
    Controls::LabelWidths labels{};
    labels.fill(5);
    labels[Controls::Label1] = label1;
    const Twips::Scale scale = Controls::FittingScale(needs, labels);
    QVERIFY2(scale.factor() >= factor && scale.factor() < factor + 0.05,
             qPrintable(QString::number(scale.factor())));
    const Twips::Rect box = scale.rect(FormDesign::Text1.left, FormDesign::Text1.top,
                                       FormDesign::Text1.width, FormDesign::Text1.height);
    QVERIFY(box.width >= input);
}

void TestBehaviour::resultShade_data()
{
    using Contrast::Rgb;
    QTest::addColumn<Rgb>("base");
    QTest::addColumn<Rgb>("preferred");
    QTest::addColumn<Rgb>("text");
    QTest::addColumn<bool>("keepsPreferred");

    QTest::newRow("light theme") << Rgb{255, 255, 255} << Rgb{200, 200, 200} << Rgb{0, 0, 0}
                                 << true;
    QTest::newRow("shade equal to the base")
        << Rgb{255, 255, 255} << Rgb{255, 255, 255} << Rgb{0, 0, 0} << false;
    QTest::newRow("dark theme, shade too close")
        << Rgb{45, 45, 45} << Rgb{50, 50, 50} << Rgb{255, 255, 255} << false;
    QTest::newRow("high contrast")
        << Rgb{0, 0, 0} << Rgb{192, 192, 192} << Rgb{255, 255, 255} << false;
}

// The result boxes stand apart from the input boxes and keep their text
// readable, in the theme's own shade where that does it.
void TestBehaviour::resultShade()
{
    QFETCH(Contrast::Rgb, base);
    QFETCH(Contrast::Rgb, preferred);
    QFETCH(Contrast::Rgb, text);
    QFETCH(bool, keepsPreferred);

    const Contrast::Rgb shade = Contrast::ResultShade(base, preferred, text);
    const bool kept = shade.red == preferred.red && shade.green == preferred.green &&
                      shade.blue == preferred.blue;
    QCOMPARE(kept, keepsPreferred);
    QVERIFY(Contrast::Ratio(shade, base) >= Contrast::MinimumShadeRatio);
    QVERIFY(Contrast::Ratio(shade, text) >= Contrast::MinimumTextRatio);
}

QTEST_APPLESS_MAIN(TestBehaviour)
#include "tst_Behaviour.moc"
