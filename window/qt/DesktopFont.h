#pragma once

#include <QFont>
#include <QObject>

#include <optional>

namespace Runtime {
class AppearancePortal;
}

// GNOME's interface font, which Qt does not read there without a platform
// theme of GNOME's: the family and size of GNOME's font-name, times its
// text-scaling-factor (Large Text) where the screen's DPI does not carry it
// already, as GNOME on X11 puts it in Xft.dpi. The window grows to fit, as
// for any larger font. Every other desktop keeps its own font handling:
// KDE's platform theme, and the settings of XFCE or MATE, which GNOME's keys
// do not describe.
class DesktopFont : public QObject
{
    Q_OBJECT

public:
    explicit DesktopFont(Runtime::AppearancePortal* portal);

private:
    void apply();

    QFont m_platform; // what Qt chose by itself
    std::optional<QFont> m_described;
    double m_scaling = 1.0;
};

// A Pango font description as GNOME writes one ("Cantarell 11", "Noto Sans
// Bold 10.5"): its first family, its weight and slant, its size in points;
// nothing for anything else.
[[nodiscard]] std::optional<QFont> FontFromDescription(const QString& description);

// XDG_CURRENT_DESKTOP names GNOME among the desktops it is.
[[nodiscard]] bool OnGnome();
