#include "runtime/qt/Form.h"

#ifdef ZANDREL_APPLICATION_SERVICE
#include "runtime/qt/WindowActivation.h"
#endif

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace Runtime {

namespace {

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent)
{
}

void Form::setFixedClientSize(const QSize& size)
{
    m_fixedSize = size;
    applyFixedSize();
}

// Where a Wayland compositor leaves the title bar to the client (weston,
// GNOME), Qt 6.4 draws one with a maximise button whatever the window's
// flags. The compositor then demands exactly the size it maximises to, and a
// window bound to one size cannot comply: the compositor ends the connection,
// and with it the program. There the window may grow, and it goes back to its
// own size at once (see changeEvent()).
bool Form::titleBarDrawnByQt() const
{
    const QWindow* window = windowHandle();
    return QGuiApplication::platformName() == u"wayland" && window &&
           window->frameMargins().top() > 0;
}

void Form::applyFixedSize()
{
    if (!m_fixedSize.isValid()) {
        return;
    }
    setMinimumSize(m_fixedSize);
    setMaximumSize(titleBarDrawnByQt() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : m_fixedSize);
    resize(m_fixedSize);
}

void Form::comeForward(const LaunchToken& token)
{
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    QWindow* window = windowHandle();
    if (!window) {
        return;
    }
#ifdef ZANDREL_APPLICATION_SERVICE
    ActivateWindow(*window, token);
#else
    Q_UNUSED(token)
    window->requestActivate();
#endif
}

bool Form::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // Only a window on the screen knows who draws its title bar.
        QTimer::singleShot(0, this, [this] { applyFixedSize(); });
    }
    return QWidget::event(event);
}

// A compositor's configure may suggest a size worked out before the window's
// last change of size: mutter, told of a fixed size that a new font has
// since changed, suggests the old one, and Qt on Wayland makes it the
// window's size whatever its minimum. A window of one size is free to keep
// its own, and does.
void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_fixedSize.isValid() && size() != m_fixedSize && !(windowState() & Enlarged)) {
        resize(m_fixedSize);
    }
}

void Form::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Enlarged)) {
        // A maximise request from a title bar the program does not draw:
        // back to the window's own size, once the request has been answered.
        // The compositor sets that size when it takes the window out of the
        // maximised state; resizing before that would break its rules too.
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Enlarged); });
    }
}

} // namespace Runtime
