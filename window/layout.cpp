#include "window/layout.h"

#include "window/layout_rules.h"

#include <algorithm>
#include <numeric>

namespace window {

namespace {

// Label2's caption is written out as the window shows it; it must name the version being built.
static_assert(layoutTable[row::Label2].caption == "Versione " IMC_VERSION);

// Every row is created once.
static_assert([] {
    std::array<int, layoutTable.size()> rows = creationOrder;
    std::ranges::sort(rows);
    std::array<int, layoutTable.size()> expected {};
    std::iota(expected.begin(), expected.end(), 0);
    return rows == expected;
}());

} // namespace

PixelRect pixelRect(const Control &control, int dpi)
{
    const int thickness = control.kind == Kind::Line ? toPixels(15, dpi) : 0;
    return { toPixels(control.left, dpi), toPixels(control.top, dpi),
        std::max(toPixels(control.width, dpi), thickness),
        std::max(toPixels(control.height, dpi), thickness) };
}

} // namespace window
