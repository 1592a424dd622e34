#pragma once

#include "window/Contrast.h"

#include <QColor>

// A colour between Qt's palettes and the window's colour rules.
[[nodiscard]] inline Contrast::Rgb ToRgb(const QColor& colour)
{
    return {colour.red(), colour.green(), colour.blue()};
}

[[nodiscard]] inline QColor ToQColor(Contrast::Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}
