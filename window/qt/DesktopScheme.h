#pragma once

#include "window/ColourScheme.h"

#include <QColor>
#include <QObject>

#include <optional>

class QWidget;
namespace Runtime {
class AppearancePortal;
}

// Draws a window in the dark scheme while the user prefers a dark desktop
// (the desktop portal's colour scheme) and the platform's palette is the
// light one it would otherwise show; a palette the platform chose itself (a
// dark theme, a KDE colour scheme, high contrast) stands. While the user
// asks the portal for high contrast, the window is black and white instead,
// its boxes and button edged in the text's colour. Its tooltips too.
class DesktopScheme : public QObject
{
    Q_OBJECT

public:
    DesktopScheme(QWidget* window, Runtime::AppearancePortal* portal);

    // Draws the window as the portal's latest word and the platform's
    // palette ask now.
    void follow();
    // In high contrast, the colour every edge is drawn in; none otherwise.
    [[nodiscard]] std::optional<QColor> edgeInk() const;

signals:
    // The portal told of a change. It may send any number in a row, and
    // restyling the window for each (in high contrast, a style sheet over
    // every control) would keep keys and the clipboard waiting behind them:
    // the window follows the latest once the changes already queued are read.
    void changed();

private:
    QWidget* m_window;
    ColourScheme::Preference m_preference = ColourScheme::Preference::NoPreference;
    bool m_highContrast = false;
    // The scheme the window is drawn in; none: the platform's.
    const ColourScheme::Scheme* m_scheme = nullptr;
};
