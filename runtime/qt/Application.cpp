#include "runtime/qt/Application.h"

#include "runtime/qt/ErrorReport.h"
#include "runtime/qt/EventProcedure.h"

#include <QEvent>

#include <exception>

namespace Runtime {

namespace {

// Events through which the user, or the window system on the user's behalf,
// would run one of the program's handlers.
bool reachesHandlers(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::FocusAboutToChange:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

Application* Application::instance()
{
    return qobject_cast<Application*>(QCoreApplication::instance());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    if (m_ended && reachesHandlers(event)) {
        return true;
    }
    // The last line of defence, for event handlers that are overrides rather
    // than connected procedures (see EventProcedure()).
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportAndEnd(std::current_exception());
    }
    return true;
}

void Application::end(int status)
{
    const bool first = !m_ended;
    m_ended = true;
    QCoreApplication::exit(status);
    if (first) {
        emit ending();
    }
}

void Application::reportAndEnd(std::exception_ptr error)
{
    if (m_ended || m_reporting) {
        return; // already on the way out: one report is enough
    }
    // The report's own box must still take input and close; while it is up,
    // its modality keeps the user away from the program's windows.
    m_reporting = true;
    ReportUnhandledError(error);
    end(UnhandledErrorStatus);
}

void EndWithUnhandledError(std::exception_ptr error) noexcept
{
    if (Application* app = Application::instance()) {
        app->reportAndEnd(error);
    } else {
        ReportUnhandledError(error);
        QCoreApplication::exit(Application::UnhandledErrorStatus);
    }
}

} // namespace Runtime
