#include "window/qt/Form1.h"

#include "runtime/qt/AppearancePortal.h"
#include "runtime/qt/EventProcedure.h"
#include "runtime/qt/Program.h"
#include "runtime/qt/QtNumbers.h"
#include "window/qt/Accessibility.h"
#include "window/qt/ControlFactory.h"
#include "window/qt/DesktopFont.h"
#include "window/qt/EntryBox.h"
#include "window/qt/ResultBox.h"

#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace {

Qt::WindowFlags frameFlags(const FormDesign::Frame& frame)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, frame.minimiseBox);
    flags.setFlag(Qt::WindowMaximizeButtonHint, frame.maximiseBox);
    return flags;
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
    setTabOrder();
    // Wired only after the boxes hold their initial "0": nothing is
    // converted, and the clipboard is left alone, until the first edit.
    m_behaviour.emplace(static_cast<WindowView&>(*this), m_clipboard);
    connectEvents();
    // The desktop's colours and, on GNOME, its font, as its portal tells.
    auto* portal = new Runtime::AppearancePortal(this);
    m_scheme = new DesktopScheme(this, portal);
    connect(m_scheme, &DesktopScheme::changed, this, [this] { m_adapt.request(); });
    new DesktopFont(portal);
    adapt();
}

void Form1::createControls()
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        m_controls[i] = MakeControl(Controls::Table[i], this);
    }
    const auto box = [this](std::size_t i) {
        return std::make_unique<LineEditBox>(static_cast<QLineEdit*>(m_controls[i]));
    };
    for (const Row row : Controls::Rows) {
        m_inputs[static_cast<std::size_t>(row)] = box(Controls::Of(row).input);
        m_results[static_cast<std::size_t>(row)] = box(Controls::Of(row).result);
    }
    DescribeControls(this);
}

// The colours first, each result box's look from them, then the places,
// which depend on the style's edges.
void Form1::adapt()
{
    m_scheme->follow();
    for (const Row row : Controls::Rows) {
        static_cast<ResultBox*>(m_controls[Controls::Of(row).result])
            ->adapt(palette(), m_scheme->edgeInk());
    }
    placeControls();
}

void Form1::placeControls()
{
    static_assert(!FormDesign::WindowFrame.resizable, "the layout is worked out for one size");
    const Layout layout = MeasureLayout(m_controls);
    setFixedClientSize(layout.client);
    Place(m_controls, layout.places);
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
    // Text is measured at the screen's scale, which a fractional one rounds:
    // a new scale may need a pixel more or less.
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
        m_adapt.request();
        break;
    default:
        break;
    }
    return Runtime::Form::event(event);
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

// The inputs' and the button's events go to the behaviour by row; Enter and
// Esc are looked at before the control sees them.
void Form1::connectEvents()
{
    using Runtime::EventProcedure;
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Controls::TakesFocus(i)) {
            m_controls[i]->installEventFilter(this);
        }
    }
    for (const Row row : Controls::Rows) {
        auto* input = static_cast<EntryBox*>(m_controls[Controls::Of(row).input]);
        connect(input, &QLineEdit::textChanged, this, EventProcedure([this, row] {
                    m_behaviour->inputChanged(row,
                                              Runtime::ToU16(Runtime::DecimalPoint(QLocale())));
                }));
        connect(input, &EntryBox::entered, this, [this, row](Entry how) {
            EventProcedure([this, row, how] { m_behaviour->inputEntered(row, how); })();
        });
        connect(input, &EntryBox::clicked, this,
                EventProcedure([this, row] { m_behaviour->inputClicked(row); }));
        connect(static_cast<ResultBox*>(m_controls[Controls::Of(row).result]), &ResultBox::laidOut,
                this, EventProcedure([this] { m_behaviour->laidOut(); }));
    }
    connect(static_cast<QPushButton*>(m_controls[Controls::ExitButton]), &QPushButton::clicked,
            this, EventProcedure([this] { m_behaviour->exitPressed(); }));
    m_typingPause.setSingleShot(true);
    connect(&m_typingPause, &QTimer::timeout, this,
            EventProcedure([this] { m_behaviour->typingPaused(); }));
}

std::optional<Controls::Row> Form1::inputRow(const QObject* object) const
{
    for (const Row row : Controls::Rows) {
        if (object == m_controls[Controls::Of(row).input]) {
            return row;
        }
    }
    return std::nullopt;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            m_behaviour->keyPressed(key == Qt::Key_Escape ? Key::Escape : Key::Enter,
                                    inputRow(watched));
            return true;
        }
    }
    return Runtime::Form::eventFilter(watched, event);
}

void Form1::startedAgain(const Runtime::LaunchToken& token)
{
    comeForward(token);
    Runtime::EventProcedure([this] { m_behaviour->startedAgain(); })();
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

TextBox& Form1::input(Row row)
{
    return *m_inputs[static_cast<std::size_t>(row)];
}

TextBox& Form1::result(Row row)
{
    return *m_results[static_cast<std::size_t>(row)];
}

void Form1::focusInput(Row row)
{
    m_controls[Controls::Of(row).input]->setFocus(Qt::OtherFocusReason);
}

// Nothing in the window asks for it: on Linux the window manager's own menu
// keeps a window on top.
void Form1::keepOnTop(bool on)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    show();
}

void Form1::restartTypingPause(std::chrono::milliseconds pause)
{
    m_typingPause.start(pause);
}

// Qt's AT-SPI bridge sends it as object:announcement, politely; before Qt 6.8
// there is no way to be heard without taking the focus.
void Form1::announce(Row /*row*/, std::u16string_view text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, Runtime::ToQString(text));
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(text)
#endif
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
        QTimer::singleShot(0, this, [this] { setWindowIcon(ApplicationIcon()); });
    }
}
