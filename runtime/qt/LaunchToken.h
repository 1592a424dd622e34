#pragma once

#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <optional>

namespace Runtime {

// What a launcher hands a program it starts so that the program's window may
// take the focus: an xdg-activation token on Wayland (XDG_ACTIVATION_TOKEN),
// a startup notification id on X11 (DESKTOP_STARTUP_ID). Either may be
// empty. A second start passes them on in org.freedesktop.Application's
// platform data, under the keys GLib and KDE use.
struct LaunchToken {
    QString activationToken;
    QString startupId;

    // Read before the application object exists: Qt's X11 backend takes
    // DESKTOP_STARTUP_ID out of the environment as it starts.
    [[nodiscard]] static LaunchToken FromEnvironment();
    // Only strings count; anything else is left out.
    [[nodiscard]] static LaunchToken FromPlatformData(const QVariantMap& data);
    [[nodiscard]] QVariantMap platformData() const;
    // The X server time of the user's action that started the program, which
    // a startup id carries as _TIME<n> at its end.
    [[nodiscard]] std::optional<std::uint32_t> startupTime() const;
};

} // namespace Runtime
