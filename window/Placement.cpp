#include "window/Placement.h"

#include <algorithm>
#include <span>

namespace Placement {

namespace {

using Controls::Kind;
using Controls::Table;

// How far a label may grow: up to the gap before the next control to its
// right that shares some of its height, or before the window's right edge.
int labelRoom(const Twips::Rect& label)
{
    int next = FormDesign::Width;
    for (const Controls::Control& other : Table) {
        const Twips::Rect& r = other.design;
        const bool sameRow = r.top < label.top + label.height && label.top < r.top + r.height;
        if (sameRow && r.left > label.left) {
            next = std::min(next, r.left);
        }
    }
    return next - FormDesign::LabelGap - label.left;
}

Twips::Rect at(const Twips::Scale& scale, const Twips::Rect& design)
{
    return scale.rect(design.left, design.top, design.width, design.height);
}

} // namespace

Twips::Scale FittingScale(const FormDesign::Needs& needs, const LabelTexts& labels)
{
    namespace D = FormDesign;
    std::array<Twips::Demand, 6 + Controls::Count> demands{{
        {D::Text1.width, needs.input},
        {D::Text2.width, needs.result},
        {D::Text1.height, needs.boxHeight},
        {D::Command1.width, needs.buttonWidth},
        {D::Command1.height, needs.buttonHeight},
        // A label stays within the height of its row's boxes.
        {D::Text1.height, needs.labelHeight},
    }};
    std::size_t used = 6;
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        if (Table[i].kind == Kind::Label) {
            demands[used++] = {labelRoom(Table[i].design), labels[i].width};
        }
    }
    return Twips::Scale::fitting(std::span(demands).first(used));
}

Rects Place(const Twips::Scale& scale, const std::function<int(int)>& boxBaseline,
            const LabelTexts& labels)
{
    Rects places{};
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Controls::Control& design = Table[i];
        switch (design.kind) {
        case Kind::Line: {
            const Twips::Rect line = at(scale, design.design);
            places[i] = {line.left, line.top, line.width,
                         std::max(1, scale.toPixels(FormDesign::LineWidth))};
            break;
        }
        case Kind::Label: {
            // Any box of its row: they share a height and a top.
            const Twips::Rect box =
                at(scale, Table[Controls::RowTable[Controls::RowOf(i)].input].design);
            const LabelText& text = labels[i];
            places[i] = {scale.toPixels(design.design.left),
                         box.top + boxBaseline(box.height) - text.baseline, text.width,
                         text.height};
            break;
        }
        default:
            places[i] = at(scale, design.design);
            break;
        }
    }
    return places;
}

} // namespace Placement
