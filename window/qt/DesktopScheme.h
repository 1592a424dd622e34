#pragma once

#include "window/ColourScheme.h"

#include <QObject>

class QWidget;

// Draws a window in the dark scheme while the user prefers a dark desktop
// (the desktop portal's colour scheme) and the platform's palette is the
// light one it would otherwise show; a palette the platform chose itself (a
// dark theme, a KDE colour scheme, high contrast) stands. Its tooltips too.
class DesktopScheme : public QObject
{
    Q_OBJECT

public:
    explicit DesktopScheme(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QWidget* m_window;
    ColourScheme::Preference m_preference = ColourScheme::Preference::NoPreference;
    bool m_dark = false;
};
