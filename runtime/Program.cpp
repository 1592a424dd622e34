#include "Program.h"

#include "Application.h"
#include "ErrorReport.h"
#include "RuntimeError.h"

#include <exception>

namespace Runtime {

int Start(int& argc, char** argv, const ProgramHeader& header)
{
    Application app(argc, argv);
    QCoreApplication::setApplicationName(header.name);
    QCoreApplication::setApplicationVersion(header.version);
    if (!header.desktopFileName.isEmpty()) {
        QGuiApplication::setDesktopFileName(header.desktopFileName);
    }

    std::unique_ptr<Form> form;
    // Load runs before the event loop, outside Application::notify(), so it
    // gets the same last-chance handling here.
    try {
        form = header.createStartupForm();
        form->Load();
    } catch (const RuntimeError& error) {
        ReportUnhandledError(error.number(), error.text());
        return Application::UnhandledErrorStatus;
    } catch (const std::exception& error) {
        ReportUnhandledError(RuntimeError::InternalError, QString::fromLocal8Bit(error.what()));
        return Application::UnhandledErrorStatus;
    }
    return QCoreApplication::exec();
}

void End()
{
    if (Application* app = Application::instance()) {
        app->end(0);
    } else {
        QCoreApplication::exit(0);
    }
}

} // namespace Runtime
