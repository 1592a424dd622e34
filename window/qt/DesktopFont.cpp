#include "window/qt/DesktopFont.h"

#include "runtime/qt/AppearancePortal.h"

#include <QApplication>
#include <QScreen>

#include <cmath>

namespace {

// The DPI at which a point is what the desktop means by it, unscaled.
constexpr double UnscaledDpi = 96.0;
// What a size in points must be to be taken as one.
constexpr double SmallestPoints = 4.0;
constexpr double LargestPoints = 96.0;

// The style words Pango writes after the family, and what each does.
bool applyStyle(const QString& word, QFont& font)
{
    if (word.compare(u"Bold", Qt::CaseInsensitive) == 0) {
        font.setWeight(QFont::Bold);
    } else if (word.compare(u"Semi-Bold", Qt::CaseInsensitive) == 0 ||
               word.compare(u"Semibold", Qt::CaseInsensitive) == 0) {
        font.setWeight(QFont::DemiBold);
    } else if (word.compare(u"Medium", Qt::CaseInsensitive) == 0) {
        font.setWeight(QFont::Medium);
    } else if (word.compare(u"Light", Qt::CaseInsensitive) == 0) {
        font.setWeight(QFont::Light);
    } else if (word.compare(u"Italic", Qt::CaseInsensitive) == 0 ||
               word.compare(u"Oblique", Qt::CaseInsensitive) == 0) {
        font.setItalic(true);
    } else if (word.compare(u"Regular", Qt::CaseInsensitive) != 0 &&
               word.compare(u"Normal", Qt::CaseInsensitive) != 0) {
        return false;
    }
    return true;
}

} // namespace

std::optional<QFont> FontFromDescription(const QString& description)
{
    QStringList words = description.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2) {
        return std::nullopt;
    }
    bool isNumber = false;
    const double points = words.takeLast().toDouble(&isNumber);
    if (!isNumber || !(points >= SmallestPoints && points <= LargestPoints)) {
        return std::nullopt;
    }
    QFont font;
    while (!words.isEmpty() && applyStyle(words.last(), font)) {
        words.removeLast();
    }
    const QString family = words.join(u' ').section(u',', 0, 0).trimmed();
    if (family.isEmpty()) {
        return std::nullopt;
    }
    font.setFamilies({family});
    font.setPointSizeF(points);
    return font;
}

bool OnGnome()
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    return desktops.contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
}

DesktopFont::DesktopFont(Runtime::AppearancePortal* portal)
    : QObject(portal)
    , m_platform(QApplication::font())
{
    if (!OnGnome()) {
        return;
    }
    connect(portal, &Runtime::AppearancePortal::fontNameChanged, this,
            [this](const QString& description) {
                if (const std::optional<QFont> font = FontFromDescription(description)) {
                    m_described = font;
                    apply();
                }
            });
    connect(portal, &Runtime::AppearancePortal::textScalingChanged, this, [this](double factor) {
        m_scaling = factor;
        apply();
    });
}

void DesktopFont::apply()
{
    QFont font = m_described.value_or(m_platform);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : UnscaledDpi;
    if (std::abs(dpi - UnscaledDpi * m_scaling) >= 1.0) {
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * m_scaling);
        } else {
            font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * m_scaling)));
        }
    }
    QApplication::setFont(font);
}
