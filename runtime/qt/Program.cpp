#include "runtime/qt/Program.h"

#include "runtime/qt/Application.h"
#include "runtime/qt/ErrorReport.h"

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
    } catch (...) {
        ReportUnhandledError(std::current_exception());
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
