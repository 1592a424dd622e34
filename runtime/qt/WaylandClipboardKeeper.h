#pragma once

#include <QString>

namespace Runtime {

// A Wayland client's clipboard ends with the client. GNOME's compositor
// keeps it itself and KDE's Klipper takes it over, but the wlroots
// desktops (sway, Hyprland, river, labwc, Wayfire) keep nothing. There
// wl-copy (wl-clipboard) serves the text from the background until another
// client sets the clipboard. It needs the data-control protocol to set the
// clipboard without a window; without it (GNOME) nothing is done, since
// wl-copy would flash a window of its own and the compositor keeps the
// text anyway. True when a copy now serves the text.
bool KeepOnWayland(const QString& text);

} // namespace Runtime
