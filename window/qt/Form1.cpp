#include "window/qt/Form1.h"

#include "runtime/qt/EventProcedure.h"
#include "runtime/qt/Program.h"
#include "runtime/qt/QtNumbers.h"
#include "window/Contrast.h"
#include "window/Controls.h"
#include "window/ConversionRow.h"
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
    return QIcon::fromTheme(QStringLiteral("io.github.zandrel.zandrel"), icon);
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

QWidget* Form1::makeControl(const Controls::Control& design)
{
    using Controls::Kind;
    QWidget* control = nullptr;
    const QString caption = Runtime::ToQString(design.caption);
    switch (design.kind) {
    case Kind::Input:
    case Kind::Result: {
        QLineEdit* box = design.kind == Kind::Input ? static_cast<QLineEdit*>(new EntryBox(this))
                                                    : new ResultBox(this);
        box->setText(caption);
        control = box;
        break;
    }
    case Kind::Label: {
        auto* label = new QLabel(this);
        label->setText(caption);
        label->setTextFormat(Qt::PlainText);
        control = label;
        break;
    }
    case Kind::Line: {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        control = line;
        break;
    }
    case Kind::Button: {
        auto* button = new QPushButton(this);
        button->setText(caption);
        // Enter and Esc never press it.
        button->setAutoDefault(false);
        button->setDefault(false);
        control = button;
        break;
    }
    }
    control->setObjectName(
        QLatin1StringView(design.name.data(), static_cast<qsizetype>(design.name.size())));
    return control;
}

void Form1::createControls()
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        m_controls[i] = makeControl(Controls::Table[i]);
    }
    shadeResultBoxes();
    DescribeControls(this);
}

QLineEdit* Form1::box(std::size_t index) const
{
    return static_cast<QLineEdit*>(m_controls[index]);
}

// The smallest scale of the design at which every text fits in this font
// and style: the widest result and input, the labels and the caption.
Twips::Scale Form1::fittingScale() const
{
    namespace D = FormDesign;
    using Controls::Kind;
    const auto boxWidth = [](const QLineEdit* box, int characters) {
        const QSize probe(1000, 1000); // any size: the frame around the text does not depend on it
        const int frame = probe.width() - LineEditTextRect(box, probe).width();
        return frame + NumberWidth(box->font(), characters);
    };
    D::Needs needs{};
    Controls::LabelWidths labels{};
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const QSize hint = m_controls[i]->sizeHint();
        switch (Controls::Table[i].kind) {
        case Kind::Input:
            needs.input = std::max(needs.input, boxWidth(box(i), D::InputCharacters));
            needs.boxHeight = std::max(needs.boxHeight, hint.height());
            break;
        case Kind::Result:
            needs.result = std::max(needs.result, boxWidth(box(i), D::ResultCharacters));
            needs.boxHeight = std::max(needs.boxHeight, hint.height());
            break;
        case Kind::Label:
            labels[i] = hint.width();
            needs.labelHeight = std::max(needs.labelHeight, hint.height());
            break;
        case Kind::Button:
            needs.buttonWidth = hint.width();
            needs.buttonHeight = hint.height();
            break;
        case Kind::Line:
            break;
        }
    }
    return Controls::FittingScale(needs, labels);
}

void Form1::placeControls()
{
    using Controls::Kind;
    const Twips::Scale scale = fittingScale();
    setFixedClientSize({scale.toPixels(FormDesign::Width), scale.toPixels(FormDesign::Height)});
    // The boxes first: each label lines up with the box of its row.
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Controls::Control& design = Controls::Table[i];
        if (design.kind == Kind::Line) {
            const QRect line = toPixels(scale, design.design);
            m_controls[i]->setGeometry(line.x(), line.y(), line.width(), 1);
        } else if (design.kind != Kind::Label) {
            m_controls[i]->setGeometry(toPixels(scale, design.design));
        }
    }
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Controls::Control& design = Controls::Table[i];
        if (design.kind == Kind::Label) {
            placeLabel(static_cast<QLabel*>(m_controls[i]), scale, design.design,
                       box(design.rowBox));
        }
    }
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
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::IsResult(i)) {
            m_controls[i]->setPalette(result);
        }
    }
}

bool Form1::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
        // Qt hands a new font to the controls before their window.
        if (m_controls.back()) {
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
    QWidget* previous = nullptr;
    for (const Controls::Index i : Controls::InTabOrder()) {
        if (!Controls::TakesFocus(i)) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, m_controls[i]);
        }
        previous = m_controls[i];
    }
}

void Form1::connectEvents()
{
    using Controls::Kind;
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Controls::Control& design = Controls::Table[i];
        if (design.kind == Kind::Input) {
            m_rows[i] = new RowWiring(box(i), box(design.result), *design.rule, m_clipboard, this);
            connectEntryBox(static_cast<EntryBox*>(m_controls[i]), m_rows[i]->input());
        } else if (design.kind == Kind::Button) {
            connect(static_cast<QPushButton*>(m_controls[i]), &QPushButton::clicked, this,
                    Runtime::EventProcedure([this] { Command1_Click(); }));
        }
    }
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
    m_controls[Controls::StartsWithFocus]->setFocus(Qt::OtherFocusReason);
    SelectEntry(m_rows[Controls::StartsWithFocus]->input());
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
