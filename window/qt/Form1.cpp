#include "window/qt/Form1.h"

#include "runtime/qt/EventProcedure.h"
#include "runtime/qt/Program.h"
#include "runtime/qt/QtNumbers.h"
#include "window/Contrast.h"
#include "window/qt/Accessibility.h"
#include "window/qt/DesktopScheme.h"
#include "window/qt/EntryBox.h"
#include "window/qt/PaletteColours.h"
#include "window/qt/ResultBox.h"

#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

QIcon applicationIcon()
{
    // The theme's icon when the desktop entry is installed, ours otherwise.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/zandrel-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("io.github.zandrel.zandrel"), icon);
}

Qt::WindowFlags frameFlags(const FormDesign::Frame& frame)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, frame.minimiseBox);
    flags.setFlag(Qt::WindowMaximizeButtonHint, frame.maximiseBox);
    return flags;
}

QWidget* makeControl(const Controls::Control& design, QWidget* parent)
{
    using Controls::Kind;
    QWidget* control = nullptr;
    const QString caption = Runtime::ToQString(design.caption);
    switch (design.kind) {
    case Kind::Input:
    case Kind::Result: {
        QLineEdit* box = design.kind == Kind::Input ? static_cast<QLineEdit*>(new EntryBox(parent))
                                                    : new ResultBox(parent);
        box->setText(caption);
        control = box;
        break;
    }
    case Kind::Label: {
        auto* label = new QLabel(parent);
        label->setText(caption);
        label->setTextFormat(Qt::PlainText);
        control = label;
        break;
    }
    case Kind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        control = line;
        break;
    }
    case Kind::Button: {
        auto* button = new QPushButton(parent);
        button->setText(caption);
        // Neither the default nor an auto-default button: what Enter does is
        // the window's behaviour.
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

} // namespace

Form1::Form1(QWidget* parent)
    : Runtime::Form(parent)
{
    InstallAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Runtime::ToQString(FormDesign::Title));
    setWindowFlags(frameFlags(FormDesign::WindowFrame));
    createControls();
    placeControls();
    setTabOrder();
    // Wired only after the boxes hold their initial "0": nothing is
    // converted, and the clipboard is left alone, until the first edit.
    m_behaviour.emplace(static_cast<WindowView&>(*this), m_clipboard);
    connectEvents();
    new DesktopScheme(this);
}

void Form1::createControls()
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        m_controls[i] = makeControl(Controls::Table[i], this);
        if (Controls::IsBox(i)) {
            m_boxes[i] = std::make_unique<LineEditBox>(static_cast<QLineEdit*>(m_controls[i]));
        }
    }
    shadeResultBoxes();
    DescribeControls(this);
}

void Form1::placeControls()
{
    static_assert(!FormDesign::WindowFrame.resizable, "the layout is worked out for one size");
    const Layout layout = MeasureLayout(m_controls);
    setFixedClientSize(layout.client);
    Place(m_controls, layout.places);
}

// The result boxes stand apart from the input boxes in every theme.
void Form1::shadeResultBoxes()
{
    const QPalette& form = palette();
    const Contrast::Rgb shade =
        Contrast::ResultShade({.boxBackground = ToRgb(form.color(QPalette::Base)),
                               .boxText = ToRgb(form.color(QPalette::Text)),
                               .lightShade = ToRgb(form.color(QPalette::Midlight))});
    QPalette result;
    result.setColor(QPalette::Base, ToQColor(shade));
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

// Every control's events go to the behaviour by the control's place in the
// table; Enter and Esc are looked at before the control sees them.
void Form1::connectEvents()
{
    using Controls::Kind;
    using Runtime::EventProcedure;
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::TakesFocus(i)) {
            m_controls[i]->installEventFilter(this);
        }
        switch (Controls::Table[i].kind) {
        case Kind::Input: {
            auto* box = static_cast<EntryBox*>(m_controls[i]);
            connect(box, &QLineEdit::textChanged, this, EventProcedure([this, i] {
                        m_behaviour->changed(i, Runtime::ToU16(Runtime::DecimalPoint(QLocale())));
                    }));
            connect(box, &EntryBox::entered, this, [this, i](Entry how) {
                EventProcedure([this, i, how] { m_behaviour->entered(i, how); })();
            });
            connect(box, &EntryBox::clicked, this,
                    EventProcedure([this, i] { m_behaviour->clicked(i); }));
            break;
        }
        case Kind::Result:
            connect(static_cast<ResultBox*>(m_controls[i]), &ResultBox::laidOut, this,
                    EventProcedure([this] { m_behaviour->laidOut(); }));
            break;
        case Kind::Button:
            connect(static_cast<QPushButton*>(m_controls[i]), &QPushButton::clicked, this,
                    EventProcedure([this, i] { m_behaviour->pressed(i); }));
            break;
        case Kind::Label:
        case Kind::Line:
            break;
        }
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto* found = std::find(m_controls.begin(), m_controls.end(), watched);
        const auto control = static_cast<std::size_t>(found - m_controls.begin());
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            m_behaviour->keyPressed(control, Key::Enter)) {
            return true;
        }
        if (key == Qt::Key_Escape && m_behaviour->keyPressed(control, Key::Escape)) {
            return true;
        }
    }
    return Runtime::Form::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    m_behaviour->closeRequested();
    event->accept();
}

void Form1::Load()
{
    show();
    m_behaviour->shown();
}

TextBox& Form1::box(std::size_t control)
{
    return *m_boxes[control];
}

void Form1::focus(std::size_t control)
{
    m_controls[control]->setFocus(Qt::OtherFocusReason);
}

void Form1::end()
{
    Runtime::End();
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
