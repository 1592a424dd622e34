#include "FormHarness.h"
#include "window/Contrast.h"
#include "window/FormDesign.h"
#include "window/qt/DesktopFont.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Where a line edit's text may go: the style's contents less QLineEdit's own
// two-pixel margins.
QRect textArea(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    return box->style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, box)
        .adjusted(2, 0, -2, 0);
}

int lightness(QRgb pixel)
{
    return qGray(pixel);
}

// The lowest row of ink in `area` of the picture: the baseline of text
// without descenders.
int inkBottom(const QImage& picture, const QRect& area)
{
    const int background = lightness(picture.pixel(area.topRight()));
    int bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (std::abs(lightness(picture.pixel(x, y)) - background) > 96) {
                bottom = y;
            }
        }
    }
    return bottom;
}

Contrast::Rgb rgb(QRgb pixel)
{
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

} // namespace

// The window in other fonts and themes than the default: every number and
// label whole and in line, result boxes told apart from input boxes.
class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void layoutFollowsFont_data();
    void layoutFollowsFont();
    void longResultShowsItsStart();
    void resultBoxesStandOut_data();
    void resultBoxesStandOut();
    void gnomeFontDescription_data();
    void gnomeFontDescription();
    void textScalingInEffect_data();
    void textScalingInEffect();
};

void TestAppearance::layoutFollowsFont_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");

    for (int points : {8, 9, 11, 14, 18, 24}) {
        QTest::addRow("DejaVu Sans %d pt", points) << u"DejaVu Sans"_s << points;
    }
    QTest::newRow("WenQuanYi Micro Hei 12 pt") << u"WenQuanYi Micro Hei"_s << 12;
}

// Whatever the desktop font, every text is whole and nothing overlaps, also
// when the font changes while the window is up.
void TestAppearance::layoutFollowsFont()
{
    QFETCH(QString, family);
    QFETCH(int, points);

    const QFont original = QApplication::font();
    const auto restore = qScopeGuard([&] { QApplication::setFont(original); });
    FormHarness harness;
    QApplication::setFont(QFont(family, points));
    QCoreApplication::processEvents();

    QWidget* form = harness.form();
    // Never smaller than the design at 15 twips a pixel.
    QVERIFY(form->width() >= FormDesign::Width / 15 && form->height() >= FormDesign::Height / 15);
    QCOMPARE(form->minimumSize(), form->size());
    const double ratio = double(form->width()) / form->height();
    const double designed = double(FormDesign::Width) / FormDesign::Height;
    QVERIFY2(std::abs(ratio / designed - 1.0) < 0.01, qPrintable(QString::number(ratio)));

    const QList<QWidget*> controls = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 12);
    for (const QWidget* control : controls) {
        const QByteArray name = control->objectName().toLatin1();
        QVERIFY2(form->rect().contains(control->geometry()), name);
        for (const QWidget* other : controls) {
            QVERIFY2(other == control || !control->geometry().intersects(other->geometry()),
                     QByteArray(name + " overlaps " + other->objectName().toLatin1()).constData());
        }
        if (qobject_cast<const QLabel*>(control) || qobject_cast<const QPushButton*>(control)) {
            QVERIFY2(control->width() >= control->sizeHint().width(), name);
            QVERIFY2(control->height() >= control->sizeHint().height(), name);
        }
    }
    // Ten characters of result and eight of input, whole.
    const QFontMetrics metrics(QFont(family, points));
    for (const char* name : {"Text2", "Text4"}) {
        for (const QString& result : {u"-99999.999"_s, u"4860493.78"_s}) {
            const int advance = metrics.horizontalAdvance(result);
            const int room = textArea(harness.box(name)).width();
            QVERIFY2(advance < room, qPrintable(QStringLiteral("%1 needs %2 of %3")
                                                    .arg(QLatin1String(name))
                                                    .arg(advance)
                                                    .arg(room)));
        }
    }
    for (const char* name : {"Text1", "Text3"}) {
        QVERIFY2(metrics.horizontalAdvance(u"-1234.56"_s) < textArea(harness.box(name)).width(),
                 name);
    }

    // The unit labels stand on the baseline of the numbers in their row.
    const QImage picture = form->grab().toImage();
    const auto textBottom = [&](const char* name) {
        const QLineEdit* box = harness.box(name);
        return inkBottom(picture, textArea(box).translated(box->pos()).adjusted(0, 2, 0, -2));
    };
    const auto labelBottom = [&](const char* name) {
        return inkBottom(picture, harness.control(name)->geometry());
    };
    const int row1 = textBottom("Text1");
    const int row2 = textBottom("Text4");
    QVERIFY(row1 > 0 && row2 > 0);
    for (const char* label : {"Label1", "Label2"}) {
        QVERIFY2(std::abs(labelBottom(label) - row1) <= 2, label);
    }
    for (const char* label : {"Label4", "Label5"}) {
        QVERIFY2(std::abs(labelBottom(label) - row2) <= 2, label);
    }
    // "=" has no ink on the baseline; it shares its row's text line.
    QCOMPARE(harness.control("Label3")->y(), harness.control("Label1")->y());
    QCOMPARE(harness.control("Label6")->y(), harness.control("Label4")->y());
}

void TestAppearance::longResultShowsItsStart()
{
    FormHarness harness;
    QLineEdit* result = harness.box("Text2");
    QTest::keyClicks(harness.box("Text1"), u"123456789012345678901"_s);
    QVERIFY(result->text().size() >= 24);
    // The start of the number shows, and the tooltip has all of it.
    QCOMPARE(result->cursorPosition(), 0);
    QCOMPARE(result->toolTip(), result->text());

    harness.box("Text1")->setText(u"12"_s);
    QCOMPARE(result->text(), u"472.44");
    QVERIFY(result->toolTip().isEmpty());
}

void TestAppearance::resultBoxesStandOut_data()
{
    QTest::addColumn<QPalette>("palette");

    std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
    QTest::newRow("Fusion light") << fusion->standardPalette();
    // Themes whose light shade is nearly their base, as Adwaita's are.
    QPalette flat = fusion->standardPalette();
    flat.setColor(QPalette::Base, Qt::white);
    flat.setColor(QPalette::Midlight, QColor(0xfa, 0xfa, 0xfa));
    QTest::newRow("light, flat shade") << flat;
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Midlight, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    QTest::newRow("dark") << dark;
}

// Measured from the window as drawn: result boxes apart from input boxes,
// and their text readable on them.
void TestAppearance::resultBoxesStandOut()
{
    QFETCH(QPalette, palette);

    QStyle* const originalStyle = QApplication::style();
    const QString styleName = originalStyle->name();
    const QPalette originalPalette = QApplication::palette();
    const auto restore = qScopeGuard([&] {
        QApplication::setStyle(styleName);
        QApplication::setPalette(originalPalette);
    });
    QApplication::setStyle(u"Fusion"_s);
    QApplication::setPalette(palette);
    FormHarness harness;
    QCoreApplication::processEvents();

    const QImage picture = harness.form()->grab().toImage();
    const auto background = [&](const char* name) {
        const QRect area = textArea(harness.box(name)).translated(harness.box(name)->pos());
        return rgb(picture.pixel(area.right() - 1, area.center().y()));
    };
    const Contrast::Rgb input = background("Text1");
    const Contrast::Rgb result = background("Text2");
    QVERIFY2(Contrast::Ratio(input, result) >= 1.25,
             qPrintable(QString::number(Contrast::Ratio(input, result))));
    // The strongest ink of the result's digits against the result's shade.
    const QRect digits = textArea(harness.box("Text2")).translated(harness.box("Text2")->pos());
    double text = 1.0;
    for (int y = digits.top(); y <= digits.bottom(); ++y) {
        for (int x = digits.left(); x <= digits.right(); ++x) {
            text = std::max(text, Contrast::Ratio(rgb(picture.pixel(x, y)), result));
        }
    }
    QVERIFY2(text >= 4.5, qPrintable(QString::number(text)));
}

void TestAppearance::gnomeFontDescription_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("families"); // none: no font; "Qt": Qt's own
    QTest::addColumn<double>("points");        // or, below 0, pixels
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<int>("stretch");

    const QStringList dejavu{u"DejaVu Sans"_s};
    const QStringList qt{u"Qt"_s};
    const int any = QFont::AnyStretch;
    QTest::newRow("GNOME's own") << u"DejaVu Sans 11"_s << dejavu << 11.0 << 400 << false << any;
    QTest::newRow("a family of two words, bold, half a point")
        << u"DejaVu Sans Bold 10.5"_s << dejavu << 10.5 << 700 << false << any;
    QTest::newRow("semi-bold oblique")
        << u"DejaVu Sans Mono Semi-Bold Oblique 9"_s << QStringList{u"DejaVu Sans Mono"_s} << 9.0
        << 600 << true << any;
    QTest::newRow("Pango's other weights and a stretch")
        << u"DejaVu Sans ExtraBold Semi-Condensed 10"_s << dejavu << 10.0 << 800 << false
        << int(QFont::SemiCondensed);
    QTest::newRow("words read and left; of two weights, the first stands")
        << u"DejaVu Sans Heavy Book Small-Caps South 10"_s << dejavu << 10.0 << 900 << false << any;
    QTest::newRow("a list of families: those installed")
        << u"No Such Family Zq, DejaVu Sans, WenQuanYi Micro Hei, 12"_s
        << QStringList{u"DejaVu Sans"_s, u"WenQuanYi Micro Hei"_s} << 12.0 << 400 << false << any;
    QTest::newRow("a family not installed: Qt's own, at the size")
        << u"No Such Family Zq Bold 13"_s << qt << 13.0 << 700 << false << any;
    QTest::newRow("a size in pixels")
        << u"DejaVu Sans 15px"_s << dejavu << -15.0 << 400 << false << any;
    QTest::newRow("variations and features after the size")
        << u"DejaVu Sans 11 @wght=500 #tnum=1"_s << dejavu << 11.0 << 400 << false << any;
    QTest::newRow("no size") << u"DejaVu Sans"_s << QStringList() << 0.0 << 0 << false << any;
    QTest::newRow("no family") << u"Bold 11"_s << QStringList() << 0.0 << 0 << false << any;
    QTest::newRow("no size at all: zero")
        << u"DejaVu Sans 0"_s << QStringList() << 0.0 << 0 << false << any;
    QTest::newRow("empty") << QString() << QStringList() << 0.0 << 0 << false << any;
}

// GNOME's font-name, as its portal hands it on, read as Pango reads it:
// anything without a family and a size changes nothing.
void TestAppearance::gnomeFontDescription()
{
    QFETCH(QString, description);
    QFETCH(QStringList, families);
    QFETCH(double, points);
    QFETCH(int, weight);
    QFETCH(bool, italic);
    QFETCH(int, stretch);

    QFont platform(u"DejaVu Serif"_s, 9);
    const std::optional<QFont> font = FontFromDescription(description, platform);
    QCOMPARE(font.has_value(), !families.isEmpty());
    if (font) {
        QCOMPARE(font->families(),
                 families == QStringList{u"Qt"_s} ? platform.families() : families);
        QCOMPARE(font->pointSizeF(), points > 0 ? points : -1.0);
        QCOMPARE(font->pixelSize(), points > 0 ? -1 : int(-points));
        QCOMPARE(font->weight(), weight);
        QCOMPARE(font->italic(), italic);
        QCOMPARE(font->stretch(), stretch);
    }
}

// Where Qt shows GNOME's Large Text already: on X11, whose Xft.dpi GNOME
// sets to 96 times the factor and its whole window scaling, and Qt 6 turns
// into the screen's device pixel ratio; never on Wayland, where the ratio is
// the output's scale.
void TestAppearance::textScalingInEffect_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("onX11");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<bool>("inEffect");

    QTest::newRow("GNOME's X11, 150 % at window scaling 2: 288")
        << 1.5 << true << 3.0 << 96.0 << true;
    QTest::newRow("GNOME's X11, 115 %: Xft.dpi 110, rounded")
        << 1.15 << true << 110.0 / 96 << 96.0 << true;
    QTest::newRow("high-DPI scaling off: the logical DPI") << 1.25 << true << 1.0 << 120.0 << true;
    QTest::newRow("X11 at window scaling 2, Xft.dpi without the factor")
        << 1.25 << true << 2.0 << 96.0 << false;
    QTest::newRow("Wayland at 125 %: the output's scale") << 1.25 << false << 1.25 << 96.0 << false;
}

void TestAppearance::textScalingInEffect()
{
    QFETCH(double, factor);
    QFETCH(bool, onX11);
    QFETCH(double, ratio);
    QFETCH(double, dpi);
    QFETCH(bool, inEffect);

    QCOMPARE(TextScalingInEffect(factor, onX11, ratio, dpi), inEffect);
}

QTEST_MAIN(TestAppearance)
#include "tst_Appearance.moc"
