#include "Application.h"

#include "ErrorReport.h"
#include "RuntimeError.h"

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
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError& error) {
        reportAndEnd(error.number(), error.text());
    } catch (const std::exception& error) {
        reportAndEnd(RuntimeError::InternalError, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportAndEnd(RuntimeError::InternalError, QString());
    }
    return true;
}

void Application::end(int status)
{
    m_ended = true;
    QCoreApplication::exit(status);
}

void Application::reportAndEnd(int number, const QString& text)
{
    if (m_ended) {
        return; // already on the way out: one report is enough
    }
    m_ended = true;
    ReportUnhandledError(number, text);
    QCoreApplication::exit(UnhandledErrorStatus);
}

} // namespace Runtime
