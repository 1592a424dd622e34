#pragma once

#include "window/Controls.h"
#include "window/Placement.h"

#include <QSize>

#include <array>

class QWidget;

// The window's controls, by their place in the table of controls.
using ControlWidgets = std::array<QWidget*, Controls::Count>;

// Where each control goes in pixels, and the client area's size.
struct Layout {
    Placement::Rects places;
    QSize client;
};

// The smallest scale of the design at which every text fits in the controls'
// font and style: the widest result and input, the labels and the caption;
// each label lined up with the text of its row's box.
[[nodiscard]] Layout MeasureLayout(const ControlWidgets& controls);

// Moves the controls to their places.
void Place(const ControlWidgets& controls, const Placement::Rects& places);
