#pragma once

#include <span>

// The window's layout is designed in twips. At the design's own font, 15
// twips make one logical pixel; a larger font scales the whole design by one
// factor, so its proportions stay. Nothing here knows about device pixels:
// Qt's high-DPI scaling works on top of the Qt window's scale, while the
// Win32 window, aware of each monitor's DPI, folds the DPI into its scale.
namespace Twips {

inline constexpr int PerPixel = 15;

// A span of the design, in twips, that must hold `pixels` logical pixels of
// content in the current font.
struct Demand {
    int twips;
    int pixels;
};

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

// Twips to logical pixels at one scale factor.
class Scale
{
public:
    // The smallest factor, never below 1, at which every demand fits once its
    // edges are rounded to whole pixels.
    [[nodiscard]] static Scale fitting(std::span<const Demand> demands);

    constexpr Scale() = default;
    explicit constexpr Scale(double factor)
        : m_factor(factor < 1.0 ? 1.0 : factor)
    {
    }

    [[nodiscard]] constexpr double factor() const noexcept { return m_factor; }

    [[nodiscard]] int toPixels(int twips) const noexcept;

    // Edges are rounded, not sizes, so that rectangles that touch or keep a
    // gap in the design still do so in pixels.
    [[nodiscard]] Rect rect(int left, int top, int width, int height) const noexcept;

private:
    double m_factor = 1.0;
};

} // namespace Twips
