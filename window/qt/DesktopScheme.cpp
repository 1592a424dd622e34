#include "window/qt/DesktopScheme.h"

#include "runtime/qt/AppearancePortal.h"
#include "window/qt/PaletteColours.h"

#include <QApplication>
#include <QToolTip>
#include <QWidget>

namespace {

using namespace Qt::StringLiterals;
using ColourScheme::Preference;

// High contrast in two colours: a style sheet holds them for every control,
// which a palette alone cannot do once edges are drawn by one. The edges are
// solid around the boxes and the button, twice as thick where the focus is
// (a result box draws its own instead: ResultBox::adapt). A selection
// inverts its text.
QString highContrastSheet(const ColourScheme::Scheme& scheme)
{
    const QString text = ToQColor(scheme.text).name();
    const QString base = ToQColor(scheme.base).name();
    return u"QWidget { color: "_s + text + u"; background: "_s + base + u"; selection-color: "_s +
           base + u"; selection-background-color: "_s + text +
           u"; } QLineEdit, QPushButton { border: 1px solid "_s + text +
           u"; padding: 1px 2px; } QLineEdit:focus, QPushButton:focus { border-width: 2px; padding: 0px 1px; }"_s;
}

QPalette paletteOf(const ColourScheme::Scheme& scheme)
{
    QPalette palette(ToQColor(scheme.button), ToQColor(scheme.window));
    palette.setColor(QPalette::WindowText, ToQColor(scheme.windowText));
    palette.setColor(QPalette::Base, ToQColor(scheme.base));
    palette.setColor(QPalette::AlternateBase, ToQColor(scheme.base));
    palette.setColor(QPalette::Text, ToQColor(scheme.text));
    palette.setColor(QPalette::PlaceholderText, ToQColor(scheme.buttonBorder));
    palette.setColor(QPalette::Button, ToQColor(scheme.button));
    palette.setColor(QPalette::ButtonText, ToQColor(scheme.buttonText));
    palette.setColor(QPalette::Light, ToQColor(scheme.buttonBorder));
    palette.setColor(QPalette::Midlight, ToQColor(scheme.lightShade));
    palette.setColor(QPalette::Highlight, ToQColor(scheme.highlight));
    palette.setColor(QPalette::HighlightedText, ToQColor(scheme.highlightedText));
    palette.setColor(QPalette::ToolTipBase, ToQColor(scheme.toolTip));
    palette.setColor(QPalette::ToolTipText, ToQColor(scheme.toolTipText));
    palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(scheme.buttonBorder));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(scheme.buttonBorder));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(scheme.buttonBorder));
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

DesktopScheme::DesktopScheme(QWidget* window, Runtime::AppearancePortal* portal)
    : QObject(window)
    , m_window(window)
{
    connect(portal, &Runtime::AppearancePortal::schemeChanged, this, [this](uint scheme) {
        m_preference = preference(scheme);
        emit changed();
    });
    connect(portal, &Runtime::AppearancePortal::contrastChanged, this, [this](uint contrast) {
        m_highContrast = contrast == 1;
        emit changed();
    });
}

std::optional<QColor> DesktopScheme::edgeInk() const
{
    if (!m_highContrast || !m_scheme) {
        return std::nullopt;
    }
    return ToQColor(m_scheme->text);
}

void DesktopScheme::follow()
{
    // The application's palette is the platform's: the dark one is the
    // window's own, over it.
    const QPalette platform = QApplication::palette();
    const bool dark = ColourScheme::TakesDark(
        m_preference, {.window = ToRgb(platform.color(QPalette::Window)),
                       .windowText = ToRgb(platform.color(QPalette::WindowText)),
                       .highContrast = m_highContrast});
    const ColourScheme::Scheme* scheme = m_highContrast ? &ColourScheme::HighContrast(m_preference)
                                         : dark         ? &ColourScheme::Dark
                                                        : nullptr;
    if (scheme == m_scheme) {
        return;
    }
    m_scheme = scheme;
    // A style sheet hands back, as it goes, the palette it found: it goes
    // before the new palette comes, and comes after it.
    if (!m_highContrast) {
        m_window->setStyleSheet(QString());
    }
    // An empty palette takes every colour from the platform again.
    m_window->setPalette(scheme ? paletteOf(*scheme) : QPalette());
    QToolTip::setPalette(scheme ? paletteOf(*scheme) : platform);
    if (m_highContrast) {
        m_window->setStyleSheet(highContrastSheet(*scheme));
    }
}
