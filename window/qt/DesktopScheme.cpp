#include "window/qt/DesktopScheme.h"

#include "runtime/qt/ColourSchemePortal.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace {

using ColourScheme::Preference;

QColor colour(Contrast::Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

Contrast::Rgb rgb(const QColor& colour)
{
    return {colour.red(), colour.green(), colour.blue()};
}

QPalette darkPalette()
{
    const ColourScheme::Scheme& dark = ColourScheme::Dark;
    QPalette palette(colour(dark.button), colour(dark.window));
    palette.setColor(QPalette::WindowText, colour(dark.windowText));
    palette.setColor(QPalette::Base, colour(dark.base));
    palette.setColor(QPalette::AlternateBase, colour(dark.base));
    palette.setColor(QPalette::Text, colour(dark.text));
    palette.setColor(QPalette::PlaceholderText, colour(dark.buttonBorder));
    palette.setColor(QPalette::Button, colour(dark.button));
    palette.setColor(QPalette::ButtonText, colour(dark.buttonText));
    palette.setColor(QPalette::Light, colour(dark.buttonBorder));
    palette.setColor(QPalette::Midlight, colour(dark.lightShade));
    palette.setColor(QPalette::Highlight, colour(dark.highlight));
    palette.setColor(QPalette::HighlightedText, colour(dark.highlightedText));
    palette.setColor(QPalette::ToolTipBase, colour(dark.toolTip));
    palette.setColor(QPalette::ToolTipText, colour(dark.toolTipText));
    palette.setColor(QPalette::Disabled, QPalette::Text, colour(dark.buttonBorder));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colour(dark.buttonBorder));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, colour(dark.buttonBorder));
    return palette;
}

Preference preference(uint scheme)
{
    switch (scheme) {
    case 1:
        return Preference::PreferDark;
    case 2:
        return Preference::PreferLight;
    default:
        return Preference::NoPreference;
    }
}

} // namespace

DesktopScheme::DesktopScheme(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    auto* portal = new Runtime::ColourSchemePortal(this);
    connect(portal, &Runtime::ColourSchemePortal::schemeChanged, this, [this](uint scheme) {
        m_preference = preference(scheme);
        follow();
    });
    window->installEventFilter(this);
}

// The platform's own palette changed (another theme): it may be dark now.
bool DesktopScheme::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::ApplicationPaletteChange) {
        follow();
    }
    return QObject::eventFilter(watched, event);
}

void DesktopScheme::follow()
{
    // The application's palette is the platform's: the dark one is the
    // window's own, over it.
    const QPalette platform = QApplication::palette();
    // Qt does not tell whether the desktop's high contrast is on: its
    // colours do.
    const bool dark = ColourScheme::TakesDark(
        m_preference, {.window = rgb(platform.color(QPalette::Window)),
                       .windowText = rgb(platform.color(QPalette::WindowText)),
                       .highContrast = false});
    if (dark == m_dark) {
        return;
    }
    m_dark = dark;
    // An empty palette takes every colour from the platform again.
    m_window->setPalette(dark ? darkPalette() : QPalette());
    QToolTip::setPalette(dark ? darkPalette() : platform);
}
