#include "runtime/qt/Program.h"

#include "runtime/qt/Application.h"
#include "runtime/qt/ErrorReport.h"
#include "runtime/qt/Translations.h"
#ifdef ZANDREL_CLIPBOARD_KEEPER
#include "runtime/qt/ClipboardKeeper.h"
#endif
#ifdef ZANDREL_APPLICATION_SERVICE
#include "runtime/qt/ApplicationService.h"
#endif
#ifdef Q_OS_UNIX
#include "runtime/qt/TerminationSignals.h"
#endif

#include <exception>

namespace Runtime {

namespace {

int run(int& argc, char** argv, const ProgramHeader& header, auto&& beforeHandOver)
{
    const LaunchToken launch = LaunchToken::FromEnvironment();
    Application app(argc, argv);
    QCoreApplication::setApplicationName(header.name);
    QCoreApplication::setApplicationVersion(header.version);
    InstallTranslations(header.name.toLower());
    if (!header.desktopFileName.isEmpty()) {
        QGuiApplication::setDesktopFileName(header.desktopFileName);
    }

#ifdef ZANDREL_APPLICATION_SERVICE
    // One instance in the session: a start that finds one running hands it
    // its launcher's token and ends, having touched nothing. One that gets no
    // answer (the instance is ending) opens its own window and takes the
    // name over once the old instance has let it go.
    ApplicationService service(header.desktopFileName);
    if (!header.desktopFileName.isEmpty() && service.claim() == ApplicationService::Claim::Taken &&
        service.activateRunning(launch)) {
        return 0;
    }
#else
    Q_UNUSED(launch)
#endif
#ifdef Q_OS_UNIX
    const TerminationSignals signalsEnd;
#endif

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
#ifdef ZANDREL_APPLICATION_SERVICE
    QObject::connect(&service, &ApplicationService::activated, form.get(),
                     [&form](const LaunchToken& token) { form->startedAgain(token); });
#endif
    const int status = QCoreApplication::exec();
    beforeHandOver();
    return status;
}

} // namespace

int Start(int& argc, char** argv, const ProgramHeader& header)
{
#ifdef ZANDREL_CLIPBOARD_KEEPER
    ClipboardKeeper keeper;
    const int status = run(argc, argv, header, [&] { keeper.beforeHandOver(); });
    keeper.afterHandOver();
    return status;
#else
    return run(argc, argv, header, [] {});
#endif
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
