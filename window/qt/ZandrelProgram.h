#pragma once

#include "runtime/qt/Program.h"

// What this program tells the runtime at start: its name, version, desktop
// entry and start-up window.
[[nodiscard]] Runtime::ProgramHeader ZandrelProgram();
