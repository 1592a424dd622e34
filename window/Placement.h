#pragma once

#include "window/Controls.h"
#include "window/FormDesign.h"
#include "window/Twips.h"

#include <array>
#include <functional>

// Where the controls go, in logical pixels, worked out once for both front
// ends from what each measured in its own font and style.
namespace Placement {

// A label's text as the font in use draws it.
struct LabelText {
    int width = 0;
    int height = 0;
    int baseline = 0; // from the label's top
};

// By place in the table of controls; only the labels' entries count.
using LabelTexts = std::array<LabelText, Controls::Count>;
using Rects = std::array<Twips::Rect, Controls::Count>;

// The smallest scale of the design, never below 1, at which all of it fits.
// A label may grow to the right up to the next control of its row.
[[nodiscard]] Twips::Scale FittingScale(const FormDesign::Needs& needs, const LabelTexts& labels);

// Every control's place at `scale`. The boxes, the button and the line stand
// where the design puts them; the line is as thick as the design's, never
// under a pixel. A label is as large as its text, at its design's left, with
// its baseline on the baseline of the text in its row's box, so that a row
// reads as one line in any font. `boxBaseline` tells where the baseline of
// a box's text lies below its top, in a box of the given height.
[[nodiscard]] Rects Place(const Twips::Scale& scale, const std::function<int(int)>& boxBaseline,
                          const LabelTexts& labels);

} // namespace Placement
