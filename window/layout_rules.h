#pragma once

// What a layout table must hold for the front ends to draw it, each rule a function of the
// table: the table is checked as it is compiled, and the tests show what each rule catches.
#include "window/layout.h"

#include <algorithm>
#include <numeric>

namespace window::rules {

constexpr int count(const Table &table, auto predicate)
{
    return static_cast<int>(std::ranges::count_if(table, predicate));
}

// Every coordinate lies on the pixel grid of 96 dpi, so that no control straddles a pixel.
constexpr bool onPixelGrid(const Table &table)
{
    return std::ranges::all_of(table, [](const Control &c) {
        return std::ranges::all_of(std::array { c.left, c.top, c.width, c.height },
            [](int twips) { return twips % 15 == 0; });
    });
}

// The tab indexes are 0 to 15, each once, and one control (the line) has none.
constexpr bool tabIndexesOnceEach(const Table &table)
{
    std::array<int, layoutTable.size()> tabs {}, expected {};
    std::ranges::transform(table, tabs.begin(), &Control::tabIndex);
    std::ranges::sort(tabs);
    std::iota(expected.begin(), expected.end(), noTab);
    return tabs == expected;
}

// Only labels name or describe, only text boxes are named or described, only buttons do
// something, and only text boxes are the calculate command's boxes.
constexpr bool linksFitKinds(const Table &table)
{
    const auto isTextBox
        = [&](int r) { return r == row::none || table.at(r).kind == Kind::TextBox; };
    return std::ranges::all_of(table, [&](const Control &c) {
        const Link &link = c.link;
        return (link.names == row::none || (c.kind == Kind::Label && isTextBox(link.names)))
            && std::ranges::all_of(link.describes, isTextBox)
            && (link.describes[0] == row::none || c.kind == Kind::Label)
            && (link.command == Command::None) == (c.kind != Kind::Button)
            && link.box.has_value() == (c.kind == Kind::TextBox);
    });
}

// Each text box is named by one label, on its line and to its left, where it is read from.
constexpr bool boxesNamedOnTheirLine(const Table &table)
{
    for (int box = 0; box < rowCount; ++box) {
        const Control &b = table.at(box);
        if (b.kind == Kind::TextBox && count(table, [&](const Control &label) {
                return label.link.names == box && label.top == b.top && label.left < b.left;
            }) != 1)
            return false;
    }
    return true;
}

// The note is the only description, and describes the two boxes numbers are typed into.
constexpr bool noteDescribesTheInputs(const Table &table)
{
    const std::array inputs { rowOf(calc::TextBox::TxtPeso, table),
        rowOf(calc::TextBox::TxtAltezza, table) };
    return count(table, [](const Control &c) { return c.link.describes[0] != row::none; }) == 1
        && count(table, [&](const Control &c) { return c.link.describes == inputs; }) == 1;
}

// Each of the calculate command's boxes is one text box, and each command one button.
constexpr bool boxesAndCommandsOnceEach(const Table &table)
{
    return std::ranges::all_of(calc::textBoxes,
               [&](calc::TextBox box) {
                   return count(table, [&](const Control &c) { return c.link.box == box; }) == 1;
               })
        && std::ranges::all_of(std::array { Command::Calcola, Command::Cancella, Command::Uscita },
            [&](Command command) {
                return count(table, [&](const Control &c) { return c.link.command == command; })
                    == 1;
            });
}

static_assert(onPixelGrid(layoutTable));
static_assert(tabIndexesOnceEach(layoutTable));
static_assert(linksFitKinds(layoutTable));
static_assert(boxesNamedOnTheirLine(layoutTable));
static_assert(noteDescribesTheInputs(layoutTable));
static_assert(boxesAndCommandsOnceEach(layoutTable));

} // namespace window::rules
