// What the window does, written once in window/, driven through fakes of its
// text boxes and clipboard: no window, no platform.
#include "FakeTextBox.h"
#include "window/ColourScheme.h"
#include "window/Contrast.h"
#include "window/Controls.h"
#include "window/ConversionRow.h"
#include "window/FormBehaviour.h"
#include "window/FormDesign.h"
#include "window/Placement.h"

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
    void window_data();
    void window();
    void announcement_data();
    void announcement();
    void fittingScale_data();
    void fittingScale();
    void resultShade_data();
    void resultShade();
    void takesDark_data();
    void takesDark();
    void darkScheme_data();
    void darkScheme();
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

void TestBehaviour::window_data()
{
    QTest::addColumn<QString>("events");  // what happens, in order (see window())
    QTest::addColumn<QString>("control"); // the box whose selection follows
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("focus"); // the input the behaviour put the focus in, if any
    QTest::addColumn<bool>("ended");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QString>("toolTip");

    const QString none;
    QTest::newRow("shown: the mil input, its zero selected")
        << u"shown"_s << u"Text3"_s << 0 << 1 << u"Text3"_s << false << false << none;
    QTest::newRow("Tab into an input selects")
        << u"text:Text1:123 caret:Text1:2 tab:Text1"_s << u"Text1"_s << 0 << 3 << none << false
        << false << none;
    QTest::newRow("focus by a click selects the first ten")
        << u"text:Text1:12345678901234 caret:Text1:5 clickfocus:Text1"_s << u"Text1"_s << 0 << 10
        << none << false << false << none;
    QTest::newRow("a click in the focused input selects the first ten")
        << u"text:Text3:12345678901234 caret:Text3:12 click:Text3"_s << u"Text3"_s << 0 << 10
        << none << false << false << none;
    QTest::newRow("entered by the program selects")
        << u"text:Text3:25 caret:Text3:1 program:Text3"_s << u"Text3"_s << 0 << 2 << none << false
        << false << none;
    QTest::newRow("the window coming back leaves the caret")
        << u"text:Text1:123 caret:Text1:2 back:Text1"_s << u"Text1"_s << 2 << 0 << none << false
        << false << none;
    QTest::newRow("Enter in an input selects and keeps the focus")
        << u"text:Text1:123 caret:Text1:3 enter:Text1"_s << u"Text1"_s << 0 << 3 << u"Text1"_s
        << false << false << none;
    QTest::newRow("Esc in an input does nothing")
        << u"text:Text3:123 caret:Text3:2 esc:Text3"_s << u"Text3"_s << 2 << 0 << none << false
        << false << none;
    QTest::newRow("Enter on the button does not press it")
        << u"enter:Command1"_s << u"Text1"_s << 0 << 0 << none << false << false << none;
    QTest::newRow("Esc on the button does not press it")
        << u"esc:Command1"_s << u"Text1"_s << 0 << 0 << none << false << false << none;
    QTest::newRow("Enter in a result box selects nothing")
        << u"text:Text2:39.37 caret:Text2:2 enter:Text2"_s << u"Text2"_s << 2 << 0 << none << false
        << false << none;
    QTest::newRow("the button ends the program, whatever the input holds")
        << u"text:Text1:abc exit"_s << u"Text1"_s << 3 << 0 << none << true << false << none;
    QTest::newRow("a close request ends the program")
        << u"close"_s << u"Text1"_s << 0 << 0 << none << true << false << none;
    QTest::newRow("the session ending ends the program")
        << u"sessionend"_s << u"Text1"_s << 0 << 0 << none << true << false << none;
    QTest::newRow("keep on top, chosen once: on")
        << u"ontop"_s << u"Text1"_s << 0 << 0 << none << false << true << none;
    QTest::newRow("keep on top, chosen again: off")
        << u"ontop ontop"_s << u"Text1"_s << 0 << 0 << none << false << false << none;
    QTest::newRow("a new layout gives a result that no longer shows whole its tooltip")
        << u"text:Text4:12345678901.234 laidout"_s << u"Text4"_s << 15 << 0 << none << false
        << false << u"12345678901.234"_s;
    QTest::newRow("started again: the mil input entered as by the program")
        << u"shown text:Text3:1000 caret:Text3:4 again"_s << u"Text3"_s << 0 << 4 << u"Text3"_s
        << false << false << none;
    QTest::newRow("started again: the input last entered")
        << u"shown tab:Text1 text:Text1:25.4 caret:Text1:4 back:Text1 again"_s << u"Text1"_s << 0
        << 4 << u"Text1"_s << false << false << none;
}

namespace {

// The input of that name, if it is one.
std::optional<Controls::Row> inputNamed(const QString& name)
{
    for (const Controls::Row row : Controls::Rows) {
        if (Controls::Find(name.toStdString()) == Controls::Of(row).input) {
            return row;
        }
    }
    return std::nullopt;
}

FakeTextBox& boxNamed(FakeWindow& window, const QString& name)
{
    const std::size_t control = Controls::Find(name.toStdString());
    const std::size_t row = Controls::RowOf(control);
    return control == Controls::RowTable.at(row).input ? window.inputs.at(row)
                                                       : window.results.at(row);
}

// Runs a sequence of events. Steps:
// text:BOX:TEXT and caret:BOX:AT set up a box as the user left it;
// change:INPUT:TEXT types it; shown; tab, clickfocus, program, back:INPUT
// (the focus arrived); click:INPUT; enter, esc:CONTROL; exit; close;
// sessionend; ontop; pause (typing paused); laidout; again (started again).
void run(const QString& events, FakeWindow& window, FormBehaviour& behaviour)
{
    for (const QString& step : events.split(u' ')) {
        const QStringList part = step.split(u':');
        const QString verb = part[0];
        const std::optional<Controls::Row> input =
            part.size() > 1 ? inputNamed(part[1]) : std::nullopt;
        if (verb == u"change") {
            boxNamed(window, part[1]).setText(u16(part[2]));
            behaviour.inputChanged(input.value(), u".");
        } else if (verb == u"pause") {
            behaviour.typingPaused();
        } else if (verb == u"text") {
            boxNamed(window, part[1]).setText(u16(part[2]));
        } else if (verb == u"caret") {
            boxNamed(window, part[1]).setSelection(part[2].toInt(), 0);
        } else if (verb == u"shown") {
            behaviour.shown();
        } else if (verb == u"tab" || verb == u"clickfocus" || verb == u"program" ||
                   verb == u"back") {
            const Entry how = verb == u"tab"          ? Entry::Tab
                              : verb == u"clickfocus" ? Entry::Click
                              : verb == u"program"    ? Entry::Program
                                                      : Entry::WindowBack;
            behaviour.inputEntered(input.value(), how);
        } else if (verb == u"click") {
            behaviour.inputClicked(input.value());
        } else if (verb == u"enter" || verb == u"esc") {
            behaviour.keyPressed(verb == u"enter" ? Key::Enter : Key::Escape, input);
        } else if (verb == u"exit") {
            behaviour.exitPressed();
        } else if (verb == u"close") {
            behaviour.closeRequested();
        } else if (verb == u"sessionend") {
            behaviour.sessionEnding();
        } else if (verb == u"ontop") {
            behaviour.keepOnTopToggled();
        } else if (verb == u"laidout") {
            behaviour.laidOut();
        } else if (verb == u"again") {
            behaviour.startedAgain();
        } else {
            qFatal("unknown step %s", qPrintable(step));
        }
    }
}

} // namespace

// The window's behaviour, through a fake of its view: a sequence of events
// (see run()) and what must follow.
void TestBehaviour::window()
{
    QFETCH(QString, events);
    QFETCH(QString, control);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, focus);
    QFETCH(bool, ended);
    QFETCH(bool, onTop);
    QFETCH(QString, toolTip);

    FakeWindow window;
    FakeClipboard clipboard;
    FormBehaviour behaviour(window, clipboard);
    run(events, window, behaviour);
    const FakeTextBox& box = boxNamed(window, control);
    QCOMPARE(box.selectionStart, start);
    QCOMPARE(box.selectionLength, length);
    QCOMPARE(window.focused, focus.isEmpty() ? std::nullopt : inputNamed(focus));
    QCOMPARE(window.ended, ended);
    QCOMPARE(window.onTop, onTop);
    QCOMPARE(q(box.toolTip), toolTip);
    QCOMPARE(clipboard.writes, 0); // none of it converts anything
}

void TestBehaviour::announcement_data()
{
    QTest::addColumn<QString>("events");    // see run()
    QTest::addColumn<bool>("pauseStarted"); // a pause after typing was started
    QTest::addColumn<QString>("heard");     // INPUT=TEXT for each announcement, joined by |

    QTest::newRow("5 mil, then a pause: the result with its unit")
        << u"change:Text3:5 pause"_s << true << u"Text3=0.127 mm"_s;
    QTest::newRow("25.4 mm without a pause: the last result only")
        << u"change:Text1:2 change:Text1:25 change:Text1:25. change:Text1:25.4 pause"_s << true
        << u"Text1=1000.00 mil"_s;
    QTest::newRow("a letter after it: nothing more")
        << u"change:Text1:25.4 pause change:Text1:25.4x pause"_s << true << u"Text1=1000.00 mil"_s;
    QTest::newRow("a letter within the pause: nothing heard")
        << u"change:Text1:25.4 change:Text1:25.4x pause"_s << true << QString();
    QTest::newRow("not a number: no pause, nothing heard")
        << u"change:Text1:x pause"_s << false << QString();
    QTest::newRow("each pause says the new result once")
        << u"change:Text1:1 pause pause change:Text3:1 pause"_s << true
        << u"Text1=39.37 mil|Text3=0.025 mm"_s;
}

// A screen reader hears a row's result, with its unit, once typing pauses.
void TestBehaviour::announcement()
{
    QFETCH(QString, events);
    QFETCH(bool, pauseStarted);
    QFETCH(QString, heard);

    FakeWindow window;
    FakeClipboard clipboard;
    FormBehaviour behaviour(window, clipboard);
    run(events, window, behaviour);
    QStringList said;
    for (const auto& [row, text] : window.heard) {
        const std::string_view input = Controls::Table[Controls::Of(row).input].name;
        said << QString::fromLatin1(input.data(), static_cast<qsizetype>(input.size())) + u'=' +
                    q(text);
    }
    QCOMPARE(said.join(u'|'), heard);
    QCOMPARE(window.pausing.has_value(), pauseStarted);
    if (pauseStarted) {
        QCOMPARE(*window.pausing, AnnouncementPause);
    }
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
    Placement::LabelTexts labels{};
    labels.fill({.width = 5, .height = 10, .baseline = 8});
    labels[Controls::Label1].width = label1;
    const Twips::Scale scale = Placement::FittingScale(needs, labels);
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

    const Contrast::Rgb shade =
        Contrast::ResultShade({.boxBackground = base, .boxText = text, .lightShade = preferred});
    const bool kept = shade.red == preferred.red && shade.green == preferred.green &&
                      shade.blue == preferred.blue;
    QCOMPARE(kept, keepsPreferred);
    QVERIFY(Contrast::Ratio(shade, base) >= Contrast::MinimumShadeRatio);
    QVERIFY(Contrast::Ratio(shade, text) >= Contrast::MinimumTextRatio);
}

void TestBehaviour::takesDark_data()
{
    using Contrast::Rgb;
    using P = ColourScheme::Preference;
    QTest::addColumn<int>("preference");
    QTest::addColumn<Rgb>("window");
    QTest::addColumn<Rgb>("text");
    QTest::addColumn<bool>("highContrast");
    QTest::addColumn<bool>("dark");

    const Rgb adwaita{246, 245, 244};
    const Rgb ink{46, 52, 54};
    QTest::newRow("dark preferred, light desktop")
        << int(P::PreferDark) << adwaita << ink << false << true;
    QTest::newRow("no preference") << int(P::NoPreference) << adwaita << ink << false << false;
    QTest::newRow("light preferred") << int(P::PreferLight) << adwaita << ink << false << false;
    QTest::newRow("dark preferred, a dark theme of its own")
        << int(P::PreferDark) << Rgb{53, 53, 53} << Rgb{238, 238, 236} << false << false;
    QTest::newRow("dark preferred, high contrast on")
        << int(P::PreferDark) << adwaita << ink << true << false;
    QTest::newRow("dark preferred, black on white: high contrast by its colours")
        << int(P::PreferDark) << Rgb{255, 255, 255} << Rgb{0, 0, 0} << false << false;
    QTest::newRow("dark preferred, Qt's own light palette")
        << int(P::PreferDark) << Rgb{239, 239, 239} << Rgb{0, 0, 0} << false << true;
}

// The user's preference turns the window dark only over the desktop's light
// colours; a theme's own choice stands.
void TestBehaviour::takesDark()
{
    QFETCH(int, preference);
    QFETCH(Contrast::Rgb, window);
    QFETCH(Contrast::Rgb, text);
    QFETCH(bool, highContrast);
    QFETCH(bool, dark);

    QCOMPARE(ColourScheme::TakesDark(
                 static_cast<ColourScheme::Preference>(preference),
                 {.window = window, .windowText = text, .highContrast = highContrast}),
             dark);
}

void TestBehaviour::darkScheme_data()
{
    using Contrast::Rgb;
    const ColourScheme::Scheme& d = ColourScheme::Dark;
    QTest::addColumn<Rgb>("foreground");
    QTest::addColumn<Rgb>("background");
    QTest::addColumn<double>("minimum");

    const double text = Contrast::MinimumTextRatio;
    QTest::newRow("labels") << d.windowText << d.window << text;
    QTest::newRow("input boxes") << d.text << d.base << text;
    QTest::newRow("result boxes") << d.text << Contrast::ResultShade(ColourScheme::ThemeOf(d))
                                  << text;
    QTest::newRow("the button") << d.buttonText << d.button << text;
    QTest::newRow("selected text") << d.highlightedText << d.highlight << text;
    QTest::newRow("tooltips") << d.toolTipText << d.toolTip << text;
    QTest::newRow("results apart from inputs")
        << Contrast::ResultShade(ColourScheme::ThemeOf(d)) << d.base << Contrast::MinimumShadeRatio;
    QTest::newRow("a selection apart from its box")
        << d.highlight << d.base << Contrast::MinimumShadeRatio;
    QTest::newRow("the button's edge on the window") << d.buttonBorder << d.window << 3.0;
    // High contrast: every text, the edges and a selection at 15:1 at least.
    for (const bool dark : {true, false}) {
        const ColourScheme::Scheme& h = ColourScheme::HighContrast(
            dark ? ColourScheme::Preference::PreferDark : ColourScheme::Preference::NoPreference);
        const char* const name = dark ? "high contrast, dark" : "high contrast, light";
        const double high = 15.0;
        QTest::addRow("%s: labels", name) << h.windowText << h.window << high;
        QTest::addRow("%s: boxes", name) << h.text << h.base << high;
        QTest::addRow("%s: the button", name) << h.buttonText << h.button << high;
        QTest::addRow("%s: edges", name) << h.buttonBorder << h.window << high;
        QTest::addRow("%s: selected text", name) << h.highlightedText << h.highlight << high;
        QTest::addRow("%s: a selection on its box", name) << h.highlight << h.base << high;
        QTest::addRow("%s: tooltips", name) << h.toolTipText << h.toolTip << high;
    }
}

// Every text of the dark scheme readable (WCAG AA), and what must stand
// apart, apart.
void TestBehaviour::darkScheme()
{
    QFETCH(Contrast::Rgb, foreground);
    QFETCH(Contrast::Rgb, background);
    QFETCH(double, minimum);

    const double ratio = Contrast::Ratio(foreground, background);
    QVERIFY2(ratio >= minimum, qPrintable(QString::number(ratio)));
}

QTEST_APPLESS_MAIN(TestBehaviour)
#include "tst_Behaviour.moc"
