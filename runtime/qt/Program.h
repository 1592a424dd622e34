#pragma once

#include "runtime/qt/Form.h"

#include <QString>

#include <functional>
#include <memory>

namespace Runtime {

// What the program tells the runtime about itself at start.
struct ProgramHeader {
    QString name;
    QString version;
    QString desktopFileName; // reverse-DNS id of the desktop entry
    std::function<std::unique_ptr<Form>()> createStartupForm;
};

// Creates the application and the start-up form, raises its Load event and
// runs the event loop until the program ends. Returns the exit status.
int Start(int& argc, char** argv, const ProgramHeader& header);

// Ends the program at once with status 0 (see Application::end()).
void End();

} // namespace Runtime
