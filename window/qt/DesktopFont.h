#pragma once

#include "window/qt/Coalesced.h"

#include <QFont>
#include <QObject>

#include <optional>

namespace Runtime {
class AppearancePortal;
}

// GNOME's interface font, which Qt does not read there without a platform
// theme of GNOME's: GNOME's font-name, times its text-scaling-factor (Large
// Text) where Qt does not show the text at that factor already. The window
// grows to fit, as for any larger font. Every other desktop keeps its own
// font handling: KDE's platform theme, and the settings of XFCE or MATE,
// which GNOME's keys do not describe.
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
    // The portal's one answer carries the font and the factor: the window
    // takes both at once, and lays itself out once.
    Coalesced m_apply{this, [this] { apply(); }};
};

// A Pango font description as GNOME writes one ("Cantarell 11", "Noto Sans
// ExtraBold Semi-Condensed 10.5", "Cantarell 15px"), read as Pango reads it:
// families, style words, a size in points or pixels, and any variations or
// features after it, which Qt has no use for. The families that are not
// installed are left out; where none is, `platform`'s stay. Nothing for a
// description without a size.
[[nodiscard]] std::optional<QFont> FontFromDescription(const QString& description,
                                                       const QFont& platform);

// The text scaling that Qt shows already on this screen, of `factor`: on X11
// GNOME puts it into Xft.dpi, which Qt 6 turns into the screen's device pixel
// ratio (its logical DPI stays 96) or, with high-DPI scaling off, the logical
// DPI. GNOME's whole scale goes there, its whole-number window scaling too,
// so the factor is in effect where the two together are a whole multiple of
// it. On Wayland the ratio is the output's scale alone: nothing is.
[[nodiscard]] bool TextScalingInEffect(double factor, bool onX11, double devicePixelRatio,
                                       double logicalDpi);

// XDG_CURRENT_DESKTOP names GNOME among the desktops it is.
[[nodiscard]] bool OnGnome();
