#include "window/qt/Form1.h"

#include "runtime/qt/EventProcedure.h"
#include "runtime/qt/Program.h"
#include "window/Contrast.h"
#include "window/ConversionRow.h"
#include "window/FormDesign.h"
#include "window/qt/Accessibility.h"
#include "window/qt/EntryBox.h"
#include "window/qt/LineEditMetrics.h"
#include "window/qt/ResultBox.h"
#include "window/qt/RowWiring.h"
#include "window/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// The caption is 離, five spaces, 開, with no access key.
constexpr QStringView ExitCaption = u"離     開";

template <typename Widget>
Widget* makeControl(QWidget* parent, const QString& name)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = makeControl<QLabel>(parent, name);
    label->setText(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QRect toPixels(const Twips::Scale& scale, const Twips::Rect& twips)
{
    const Twips::Rect r = scale.rect(twips.left, twips.top, twips.width, twips.height);
    return {r.left, r.top, r.width, r.height};
}

Contrast::Rgb toRgb(const QColor& colour)
{
    return {colour.red(), colour.green(), colour.blue()};
}

// A label is as large as its text and sits where its baseline meets the
// baseline of the text in the box of its row, whatever the font and style.
void placeLabel(QLabel* label, const Twips::Scale& scale, const Twips::Rect& design,
                const QLineEdit* rowBox)
{
    const QSize size = label->sizeHint();
    const QFontMetricsF metrics(label->font());
    // QLabel centres its line vertically in its contents.
    const qreal labelBaseline = (size.height() - metrics.height()) / 2 + metrics.ascent();
    const int boxBaseline = rowBox->y() + LineEditBaseline(rowBox, rowBox->size());
    const int top = boxBaseline - qRound(labelBaseline);
    label->setGeometry(QRect(QPoint(scale.toPixels(design.left), top), size));
}

QIcon applicationIcon()
{
    // The theme's icon when the desktop entry is installed, ours otherwise.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/zandrel-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("io.github.zandrel.Zandrel"), icon);
}

} // namespace

Form1::Form1(QWidget* parent)
    : Runtime::Form(parent)
{
    InstallAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zandrel"));
    // A fixed-size utility: no maximise box, position left to the window manager.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    placeControls();
    setTabOrder();
    // Connected only after the boxes hold their initial "0": nothing is
    // converted, and the clipboard is left alone, until the first edit.
    connectEvents();
}

void Form1::createControls()
{
    Text1 = makeControl<EntryBox>(this, QStringLiteral("Text1"));
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("mm"));
    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("="));
    Text2 = makeControl<ResultBox>(this, QStringLiteral("Text2"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("mil"));

    Line1 = makeControl<QFrame>(this, QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);

    Text3 = makeControl<EntryBox>(this, QStringLiteral("Text3"));
    Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("mil"));
    Label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("="));
    Text4 = makeControl<ResultBox>(this, QStringLiteral("Text4"));
    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("mm"));

    Command1 = makeControl<QPushButton>(this, QStringLiteral("Command1"));
    Command1->setText(ExitCaption.toString());
    // Enter and Esc never press it.
    Command1->setAutoDefault(false);
    Command1->setDefault(false);

    for (QLineEdit* box : {static_cast<QLineEdit*>(Text1), static_cast<QLineEdit*>(Text2),
                           static_cast<QLineEdit*>(Text3), static_cast<QLineEdit*>(Text4)}) {
        box->setText(QStringLiteral("0"));
    }
    shadeResultBoxes();
    DescribeControls(this);
}

// The smallest scale of the design at which every text fits in this font
// and style: the widest result and input, the labels and the caption.
Twips::Scale Form1::fittingScale() const
{
    namespace D = FormDesign;
    const auto boxWidth = [](const QLineEdit* box, int characters) {
        const QSize probe(1000, 1000); // any size: the frame around the text does not depend on it
        const int frame = probe.width() - LineEditTextRect(box, probe).width();
        return frame + NumberWidth(box->font(), characters);
    };
    const auto hint = [](const QWidget* control) { return control->sizeHint(); };
    return D::FittingScale({
        .input = std::max(boxWidth(Text1, D::InputCharacters), boxWidth(Text3, D::InputCharacters)),
        .result =
            std::max(boxWidth(Text2, D::ResultCharacters), boxWidth(Text4, D::ResultCharacters)),
        .boxHeight = std::max({hint(Text1).height(), hint(Text2).height(), hint(Text3).height(),
                               hint(Text4).height()}),
        .buttonWidth = hint(Command1).width(),
        .buttonHeight = hint(Command1).height(),
        .labelHeight = std::max(hint(Label1).height(), hint(Label4).height()),
        .Label1 = hint(Label1).width(),
        .Label2 = hint(Label2).width(),
        .Label3 = hint(Label3).width(),
        .Label4 = hint(Label4).width(),
        .Label5 = hint(Label5).width(),
        .Label6 = hint(Label6).width(),
    });
}

void Form1::placeControls()
{
    const Twips::Scale scale = fittingScale();
    setFixedClientSize({scale.toPixels(FormDesign::Width), scale.toPixels(FormDesign::Height)});

    Text1->setGeometry(toPixels(scale, FormDesign::Text1));
    Text2->setGeometry(toPixels(scale, FormDesign::Text2));
    Text3->setGeometry(toPixels(scale, FormDesign::Text3));
    Text4->setGeometry(toPixels(scale, FormDesign::Text4));
    Command1->setGeometry(toPixels(scale, FormDesign::Command1));

    const QRect line = toPixels(scale, FormDesign::Line1);
    Line1->setGeometry(line.x(), line.y(), line.width(), 1);

    placeLabel(Label1, scale, FormDesign::Label1, Text1);
    placeLabel(Label3, scale, FormDesign::Label3, Text1);
    placeLabel(Label2, scale, FormDesign::Label2, Text2);
    placeLabel(Label4, scale, FormDesign::Label4, Text3);
    placeLabel(Label6, scale, FormDesign::Label6, Text3);
    placeLabel(Label5, scale, FormDesign::Label5, Text4);
}

// The theme's three-dimensional light shade marks the result boxes, unless
// the theme makes it (nearly) the input boxes' own background.
void Form1::shadeResultBoxes()
{
    const QPalette& form = palette();
    const Contrast::Rgb shade = Contrast::ResultShade(toRgb(form.color(QPalette::Base)),
                                                      toRgb(form.color(QPalette::Midlight)),
                                                      toRgb(form.color(QPalette::Text)));
    QPalette result;
    result.setColor(QPalette::Base, QColor(shade.red, shade.green, shade.blue));
    Text2->setPalette(result);
    Text4->setPalette(result);
}

bool Form1::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
        // Qt hands a new font to the controls before their window.
        if (Command1) {
            placeControls();
        }
        break;
    case QEvent::ApplicationPaletteChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        adaptLater();
        break;
    default:
        break;
    }
    return Runtime::Form::event(event);
}

// A new style or palette reaches the window and its controls one by one, in
// no fixed order; the layout and shades are redone once all have it.
void Form1::adaptLater()
{
    if (m_adaptPending) {
        return;
    }
    m_adaptPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_adaptPending = false;
            placeControls();
            shadeResultBoxes();
        },
        Qt::QueuedConnection);
}

void Form1::setTabOrder()
{
    // By tab index; the labels and the line never take the focus.
    QWidget::setTabOrder(Text1, Text2);
    QWidget::setTabOrder(Text2, Text3);
    QWidget::setTabOrder(Text3, Text4);
    QWidget::setTabOrder(Text4, Command1);
}

void Form1::connectEvents()
{
    m_millimetreRow = new RowWiring(Text1, Text2, Conversion::MmToMil, m_clipboard, this);
    m_milRow = new RowWiring(Text3, Text4, Conversion::MilToMm, m_clipboard, this);
    connectEntryBox(Text1, m_millimetreRow->input());
    connectEntryBox(Text3, m_milRow->input());
    connect(Command1, &QPushButton::clicked, this,
            Runtime::EventProcedure([this] { Command1_Click(); }));
}

// Both input boxes behave alike: entered, clicked or confirmed with Enter,
// they select their leading text for overwriting. Enter keeps the focus
// where it is and presses no button.
void Form1::connectEntryBox(EntryBox* box, TextBox& entry)
{
    using Runtime::EventProcedure;
    TextBox* const text = &entry;
    connect(box, &EntryBox::gotFocus, this, EventProcedure([text] { SelectEntry(*text); }));
    connect(box, &EntryBox::clicked, this, EventProcedure([text] { SelectEntry(*text); }));
    connect(box, &EntryBox::enterPressed, this, EventProcedure([box, text] {
                box->setFocus(Qt::OtherFocusReason);
                SelectEntry(*text);
            }));
}

void Form1::Load()
{
    show();
    Text3->setFocus(Qt::OtherFocusReason);
    SelectEntry(m_milRow->input());
}

void Form1::paintEvent(QPaintEvent* event)
{
    Runtime::Form::paintEvent(event);
    if (!m_iconSet) {
        m_iconSet = true;
        // Handing the icon to an X11 window manager means decoding and sending
        // every size of it, a quarter of the time to the first frame; nobody
        // misses it for the few milliseconds after that frame.
        QTimer::singleShot(0, this, [this] { setWindowIcon(applicationIcon()); });
    }
}

void Form1::Command1_Click()
{
    Runtime::End();
}
