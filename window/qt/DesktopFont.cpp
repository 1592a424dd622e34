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

struct StyleWord {
    QLatin1StringView word;
    void (*apply)(QFont& font);
};

// Pango's words for style, variant, weight, stretch and gravity, as it
// spells them and as it also takes them (without the hyphen). Gravity, and
// the variants Qt has no counterpart for, are read and left: the window's
// text stays upright and as it is written.
template <QFont::Weight W>
void weight(QFont& font)
{
    font.setWeight(W);
}
template <int S>
void stretch(QFont& font)
{
    font.setStretch(S);
}
void italic(QFont& font)
{
    font.setItalic(true);
}
void smallCaps(QFont& font)
{
    font.setCapitalization(QFont::SmallCaps);
}
void nothing(QFont& /*font*/) {}

const StyleWord StyleWords[] = {
    {"Normal"_L1, nothing},
    {"Roman"_L1, nothing},
    {"Oblique"_L1, italic},
    {"Italic"_L1, italic},
    {"Small-Caps"_L1, smallCaps},
    {"All-Small-Caps"_L1, smallCaps},
    {"Petite-Caps"_L1, nothing},
    {"All-Petite-Caps"_L1, nothing},
    {"Unicase"_L1, nothing},
    {"Title-Caps"_L1, nothing},
    {"Thin"_L1, weight<QFont::Thin>},
    {"Ultra-Light"_L1, weight<QFont::ExtraLight>},
    {"Extra-Light"_L1, weight<QFont::ExtraLight>},
    {"Light"_L1, weight<QFont::Light>},
    {"Semi-Light"_L1, weight<static_cast<QFont::Weight>(350)>},
    {"Demi-Light"_L1, weight<static_cast<QFont::Weight>(350)>},
    {"Book"_L1, weight<static_cast<QFont::Weight>(380)>},
    {"Regular"_L1, weight<QFont::Normal>},
    {"Medium"_L1, weight<QFont::Medium>},
    {"Semi-Bold"_L1, weight<QFont::DemiBold>},
    {"Demi-Bold"_L1, weight<QFont::DemiBold>},
    {"Bold"_L1, weight<QFont::Bold>},
    {"Ultra-Bold"_L1, weight<QFont::ExtraBold>},
    {"Extra-Bold"_L1, weight<QFont::ExtraBold>},
    {"Heavy"_L1, weight<QFont::Black>},
    {"Black"_L1, weight<QFont::Black>},
    {"Ultra-Black"_L1, weight<static_cast<QFont::Weight>(1000)>},
    {"Extra-Black"_L1, weight<static_cast<QFont::Weight>(1000)>},
    {"Ultra-Condensed"_L1, stretch<QFont::UltraCondensed>},
    {"Extra-Condensed"_L1, stretch<QFont::ExtraCondensed>},
    {"Condensed"_L1, stretch<QFont::Condensed>},
    {"Semi-Condensed"_L1, stretch<QFont::SemiCondensed>},
    {"Semi-Expanded"_L1, stretch<QFont::SemiExpanded>},
    {"Expanded"_L1, stretch<QFont::Expanded>},
    {"Extra-Expanded"_L1, stretch<QFont::ExtraExpanded>},
    {"Ultra-Expanded"_L1, stretch<QFont::UltraExpanded>},
    {"Not-Rotated"_L1, nothing},
    {"South"_L1, nothing},
    {"Upside-Down"_L1, nothing},
    {"North"_L1, nothing},
    {"Rotated-Left"_L1, nothing},
    {"East"_L1, nothing},
    {"Rotated-Right"_L1, nothing},
    {"West"_L1, nothing},
};

bool applyStyle(const QString& word, QFont& font)
{
    for (const StyleWord& style : StyleWords) {
        QString unhyphenated = style.word;
        unhyphenated.remove(u'-');
        if (word.compare(style.word, Qt::CaseInsensitive) == 0 ||
            word.compare(unhyphenated, Qt::CaseInsensitive) == 0) {
            style.apply(font);
            return true;
        }
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
