#pragma once

#include "runtime/qt/LaunchToken.h"

class QWindow;

namespace Runtime {

// Asks the desktop to give a shown window the keyboard focus on behalf of a
// start of the program, with the token its launcher gave that start: an
// xdg-activation token on Wayland, the time of the user's action on X11,
// where the startup id also ends the launcher's busy feedback. A desktop
// that prevents focus stealing decides: without a token it may only mark
// the window as wanting attention.
void ActivateWindow(QWindow& window, const LaunchToken& token);

} // namespace Runtime
