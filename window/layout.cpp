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
    PixelRect rect { toPixels(control.left, dpi), toPixels(control.top, dpi),
        toPixels(control.width, dpi), toPixels(control.height, dpi) };
    if (control.kind == Kind::Line) // as thick as 15 twips across the way it runs
        (control.height == 0 ? rect.height : rect.width) = toPixels(15, dpi);
    return rect;
}

} // namespace window
