#pragma once

#include "window/Controls.h"

#include <QIcon>

class QWidget;

// One control of the table, as a widget of its kind with the table's caption
// and name, in `parent`: an input or result box, a label, the line or the
// button. Where it goes is the layout's to say.
[[nodiscard]] QWidget* MakeControl(const Controls::Control& design, QWidget* parent);

// The program's icon: the desktop theme's when the desktop entry is
// installed, the program's own at every size otherwise.
[[nodiscard]] QIcon ApplicationIcon();
