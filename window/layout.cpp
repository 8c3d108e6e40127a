#include "window/layout.h"

#include <algorithm>
#include <numeric>

namespace window {

namespace {

// Label2's caption is written out as the window shows it; it must name the version being built.
static_assert(layoutTable[row::Label2].caption == "Versione " IMC_VERSION,
    "Label2 names another version than the project's");

// Every coordinate lies on the pixel grid of 96 dpi, so that no control straddles a pixel.
constexpr int twipsPerPixel = 15;
static_assert(std::ranges::all_of(layoutTable, [](const Control &c) {
    return std::ranges::all_of(std::array { c.left, c.top, c.width, c.height },
        [](int twips) { return twips % twipsPerPixel == 0; });
}));

// The tab indexes are 0 to 15, each once; the line has none (noTab, -1, sorts first).
static_assert([] {
    std::array<int, layoutTable.size()> tabs {}, expected {};
    std::ranges::transform(layoutTable, tabs.begin(), &Control::tabIndex);
    std::ranges::sort(tabs);
    std::iota(expected.begin(), expected.end(), noTab);
    return tabs == expected;
}());

constexpr int count(auto predicate)
{
    return static_cast<int>(std::ranges::count_if(layoutTable, predicate));
}

// Only labels name or describe, only text boxes are named or described, only buttons do
// something, and only text boxes are the calculate command's boxes.
static_assert(std::ranges::all_of(layoutTable, [](const Control &c) {
    const Link &link = c.link;
    const auto isTextBox
        = [](int r) { return r == row::none || layoutTable[r].kind == Kind::TextBox; };
    return (link.names == row::none || (c.kind == Kind::Label && isTextBox(link.names)))
        && std::ranges::all_of(link.describes, isTextBox)
        && (link.describes[0] == row::none || c.kind == Kind::Label)
        && (link.command == Command::None) == (c.kind != Kind::Button)
        && link.box.has_value() == (c.kind == Kind::TextBox);
}));

// Each text box is named by one label, on its line and to its left, where it is read from.
static_assert([] {
    for (int box = 0; box < rowCount; ++box) {
        const Control &b = layoutTable[box];
        if (b.kind == Kind::TextBox && count([&](const Control &label) {
                return label.link.names == box && label.top == b.top && label.left < b.left;
            }) != 1)
            return false;
    }
    return true;
}());

// The note describes the two boxes numbers are typed into, and is the only description.
static_assert(count([](const Control &c) { return c.link.describes[0] != row::none; }) == 1);
static_assert(std::ranges::any_of(layoutTable, [](const Control &c) {
    return c.link.describes
        == std::array { rowOf(calc::TextBox::TxtPeso), rowOf(calc::TextBox::TxtAltezza) };
}));

// Each of the calculate command's boxes is one text box, and each command one button.
static_assert(std::ranges::all_of(calc::textBoxes, [](calc::TextBox box) {
    return count([&](const Control &c) { return c.link.box == box; }) == 1;
}));
static_assert(std::ranges::all_of(
    std::array { Command::Calcola, Command::Cancella, Command::Uscita }, [](Command command) {
        return count([&](const Control &c) { return c.link.command == command; }) == 1;
    }));

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
    const int thickness = control.kind == Kind::Line ? toPixels(twipsPerPixel, dpi) : 0;
    return { toPixels(control.left, dpi), toPixels(control.top, dpi),
        std::max(toPixels(control.width, dpi), thickness),
        std::max(toPixels(control.height, dpi), thickness) };
}

} // namespace window
