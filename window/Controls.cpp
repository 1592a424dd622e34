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

} // namespace Controls
