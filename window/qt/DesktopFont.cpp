#include "window/qt/DesktopFont.h"

#include "runtime/qt/AppearancePortal.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>

#include <cmath>

namespace {

using namespace Qt::StringLiterals;

// The DPI at which a point is what the desktop means by it, unscaled.
constexpr double UnscaledDpi = 96.0;
// What a size must be to be taken as one, in points; in pixels, at 96 DPI.
constexpr double SmallestPoints = 4.0;
constexpr double LargestPoints = 96.0;
// How far Xft.dpi, a whole number, may be from a scaling worked out exactly.
constexpr double DpiRounding = 1.0;

// Pango's words for style, variant, weight, stretch and gravity, and what
// each sets. Gravity, and the variants Qt has no counterpart for, are read and
// left: the window's text stays upright and as it is written.
enum class Sets { Nothing, Italic, SmallCaps, Weight, Stretch };
struct StyleWord {
    QLatin1StringView word;
    Sets sets;
    int value = 0;
};
const StyleWord StyleWords[] = {
    {"Normal"_L1, Sets::Nothing},
    {"Roman"_L1, Sets::Nothing},
    {"Oblique"_L1, Sets::Italic},
    {"Italic"_L1, Sets::Italic},
    {"Small-Caps"_L1, Sets::SmallCaps},
    {"All-Small-Caps"_L1, Sets::SmallCaps},
    {"Petite-Caps"_L1, Sets::Nothing},
    {"All-Petite-Caps"_L1, Sets::Nothing},
    {"Unicase"_L1, Sets::Nothing},
    {"Title-Caps"_L1, Sets::Nothing},
    {"Thin"_L1, Sets::Weight, 100},
    {"Ultra-Light"_L1, Sets::Weight, 200},
    {"Extra-Light"_L1, Sets::Weight, 200},
    {"Light"_L1, Sets::Weight, 300},
    {"Semi-Light"_L1, Sets::Weight, 350},
    {"Demi-Light"_L1, Sets::Weight, 350},
    {"Book"_L1, Sets::Weight, 380},
    {"Regular"_L1, Sets::Weight, 400},
    {"Medium"_L1, Sets::Weight, 500},
    {"Semi-Bold"_L1, Sets::Weight, 600},
    {"Demi-Bold"_L1, Sets::Weight, 600},
    {"Bold"_L1, Sets::Weight, 700},
    {"Ultra-Bold"_L1, Sets::Weight, 800},
    {"Extra-Bold"_L1, Sets::Weight, 800},
    {"Heavy"_L1, Sets::Weight, 900},
    {"Black"_L1, Sets::Weight, 900},
    {"Ultra-Black"_L1, Sets::Weight, 1000},
    {"Extra-Black"_L1, Sets::Weight, 1000},
    {"Ultra-Condensed"_L1, Sets::Stretch, QFont::UltraCondensed},
    {"Extra-Condensed"_L1, Sets::Stretch, QFont::ExtraCondensed},
    {"Condensed"_L1, Sets::Stretch, QFont::Condensed},
    {"Semi-Condensed"_L1, Sets::Stretch, QFont::SemiCondensed},
    {"Semi-Expanded"_L1, Sets::Stretch, QFont::SemiExpanded},
    {"Expanded"_L1, Sets::Stretch, QFont::Expanded},
    {"Extra-Expanded"_L1, Sets::Stretch, QFont::ExtraExpanded},
    {"Ultra-Expanded"_L1, Sets::Stretch, QFont::UltraExpanded},
    {"Not-Rotated"_L1, Sets::Nothing},
    {"South"_L1, Sets::Nothing},
    {"Upside-Down"_L1, Sets::Nothing},
    {"North"_L1, Sets::Nothing},
    {"Rotated-Left"_L1, Sets::Nothing},
    {"East"_L1, Sets::Nothing},
    {"Rotated-Right"_L1, Sets::Nothing},
    {"West"_L1, Sets::Nothing},
};

// Pango takes each word with or without its hyphen, in any case.
bool applyStyle(QString word, QFont& font)
{
    word.remove(u'-');
    for (const StyleWord& style : StyleWords) {
        if (word.compare(QString(style.word).remove(u'-'), Qt::CaseInsensitive) != 0) {
            continue;
        }
        switch (style.sets) {
        case Sets::Nothing:
            break;
        case Sets::Italic:
            font.setItalic(true);
            break;
        case Sets::SmallCaps:
            font.setCapitalization(QFont::SmallCaps);
            break;
        case Sets::Weight:
            font.setWeight(static_cast<QFont::Weight>(style.value));
            break;
        case Sets::Stretch:
            font.setStretch(style.value);
            break;
        }
        return true;
    }
    return false;
}

// The size, in points or, with "px", in pixels; false for anything else.
bool applySize(QString word, QFont& font)
{
    const bool pixels = word.endsWith(u"px", Qt::CaseInsensitive);
    if (pixels) {
        word.chop(2);
    }
    bool isNumber = false;
    const double size = word.toDouble(&isNumber);
    const double points = pixels ? size * 72.0 / UnscaledDpi : size;
    if (!isNumber || !(points >= SmallestPoints && points <= LargestPoints)) {
        return false;
    }
    if (pixels) {
        font.setPixelSize(static_cast<int>(std::lround(size)));
    } else {
        font.setPointSizeF(size);
    }
    return true;
}

} // namespace

std::optional<QFont> FontFromDescription(const QString& description, const QFont& platform)
{
    QStringList words = description.simplified().split(u' ', Qt::SkipEmptyParts);
    // Variations (@wght=500) and OpenType features (#tnum=1) come last.
    while (!words.isEmpty() && (words.last().startsWith(u'@') || words.last().startsWith(u'#'))) {
        words.removeLast();
    }
    QFont font = platform;
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setStretch(QFont::AnyStretch);
    font.setCapitalization(QFont::MixedCase);
    if (words.size() < 2 || !applySize(words.takeLast(), font)) {
        return std::nullopt;
    }
    while (!words.isEmpty() && applyStyle(words.last(), font)) {
        words.removeLast();
    }
    if (words.isEmpty()) {
        return std::nullopt; // a size and a style, but no family
    }
    QStringList installed;
    for (const QString& family : words.join(u' ').split(u',', Qt::SkipEmptyParts)) {
        if (QFontDatabase::hasFamily(family.trimmed())) {
            installed.append(family.trimmed());
        }
    }
    if (!installed.isEmpty()) {
        font.setFamilies(installed);
    }
    return font;
}

bool TextScalingInEffect(double factor, bool onX11, double devicePixelRatio, double logicalDpi)
{
    if (!onX11) {
        return false;
    }
    const double dpi = devicePixelRatio * logicalDpi;
    const double multiple = std::round(dpi / (UnscaledDpi * factor));
    return multiple >= 1 &&
           std::abs(dpi - multiple * UnscaledDpi * factor) < DpiRounding * multiple;
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
                if (const std::optional<QFont> font =
                        FontFromDescription(description, m_platform)) {
                    m_described = font;
                    m_apply.request();
                }
            });
    connect(portal, &Runtime::AppearancePortal::textScalingChanged, this, [this](double factor) {
        m_scaling = factor;
        m_apply.request();
    });
}

void DesktopFont::apply()
{
    QFont font = m_described.value_or(m_platform);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool inEffect =
        screen && TextScalingInEffect(m_scaling, QGuiApplication::platformName() == u"xcb",
                                      screen->devicePixelRatio(), screen->logicalDotsPerInch());
    if (!inEffect) {
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * m_scaling);
        } else {
            font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * m_scaling)));
        }
    }
    if (font != QApplication::font()) {
        QApplication::setFont(font);
    }
}
