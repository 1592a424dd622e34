#include "window/Controls.h"

#include <algorithm>
#include <limits>

namespace Controls {

std::array<Index, Count> InTabOrder()
{
    std::array<Index, Count> order{};
    for (std::size_t i = 0; i < Count; ++i) {
        order[i] = static_cast<Index>(i);
    }
    const auto key = [](Index i) {
        return TakesFocus(i) ? Table[i].tabIndex : std::numeric_limits<int>::max();
    };
    std::stable_sort(order.begin(), order.end(),
                     [&key](Index a, Index b) { return key(a) < key(b); });
    return order;
}

namespace {

// How far a label may grow: to the next control to its right that shares
// some of its height, keeping the gap, or to the window's right edge.
int labelRoom(const Twips::Rect& label)
{
    int next = FormDesign::Width;
    for (const Control& other : Table) {
        const Twips::Rect& r = other.design;
        const bool sameRow = r.top < label.top + label.height && label.top < r.top + r.height;
        if (sameRow && r.left > label.left) {
            next = std::min(next, r.left);
        }
    }
    return next - FormDesign::LabelGap - label.left;
}

} // namespace

Twips::Scale FittingScale(const FormDesign::Needs& needs, const LabelWidths& labels)
{
    namespace D = FormDesign;
    std::array<Twips::Demand, 6 + Count> demands{{
        {D::Text1.width, needs.input},
        {D::Text2.width, needs.result},
        {D::Text1.height, needs.boxHeight},
        {D::Command1.width, needs.buttonWidth},
        {D::Command1.height, needs.buttonHeight},
        // A label stays within the height of its row's boxes.
        {D::Text1.height, needs.labelHeight},
    }};
    std::size_t used = 6;
    for (std::size_t i = 0; i < Count; ++i) {
        if (Table[i].kind == Kind::Label) {
            demands[used++] = {labelRoom(Table[i].design), labels[i]};
        }
    }
    return Twips::Scale::fitting(std::span(demands).first(used));
}

} // namespace Controls
