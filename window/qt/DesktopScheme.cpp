#include "window/qt/DesktopScheme.h"

#include "runtime/qt/ColourSchemePortal.h"
#include "window/qt/PaletteColours.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace {

using ColourScheme::Preference;

QPalette darkPalette()
{
    const ColourScheme::Scheme& dark = ColourScheme::Dark;
    QPalette palette(ToQColor(dark.button), ToQColor(dark.window));
    palette.setColor(QPalette::WindowText, ToQColor(dark.windowText));
    palette.setColor(QPalette::Base, ToQColor(dark.base));
    palette.setColor(QPalette::AlternateBase, ToQColor(dark.base));
    palette.setColor(QPalette::Text, ToQColor(dark.text));
    palette.setColor(QPalette::PlaceholderText, ToQColor(dark.buttonBorder));
    palette.setColor(QPalette::Button, ToQColor(dark.button));
    palette.setColor(QPalette::ButtonText, ToQColor(dark.buttonText));
    palette.setColor(QPalette::Light, ToQColor(dark.buttonBorder));
    palette.setColor(QPalette::Midlight, ToQColor(dark.lightShade));
    palette.setColor(QPalette::Highlight, ToQColor(dark.highlight));
    palette.setColor(QPalette::HighlightedText, ToQColor(dark.highlightedText));
    palette.setColor(QPalette::ToolTipBase, ToQColor(dark.toolTip));
    palette.setColor(QPalette::ToolTipText, ToQColor(dark.toolTipText));
    palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(dark.buttonBorder));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(dark.buttonBorder));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(dark.buttonBorder));
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
        m_preference, {.window = ToRgb(platform.color(QPalette::Window)),
                       .windowText = ToRgb(platform.color(QPalette::WindowText)),
                       .highContrast = false});
    if (dark == m_dark) {
        return;
    }
    m_dark = dark;
    // An empty palette takes every colour from the platform again.
    m_window->setPalette(dark ? darkPalette() : QPalette());
    QToolTip::setPalette(dark ? darkPalette() : platform);
}
