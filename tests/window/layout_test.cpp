#include "window/layout_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace window;
using rules::Table;

// Each rule the table is compiled under holds for it, and fails for the table with one fault.
TEST(LayoutRules, EachCatchesItsFault)
{
    const struct {
        const char *fault;
        bool (*rule)(const Table &);
        void (*make)(Table &);
    } faults[] = {
        { "a box off the grid", rules::onPixelGrid, [](Table &t) { t[row::TxtPeso].left += 5; } },
        { "a tab index twice", rules::tabIndexesOnceEach,
            [](Table &t) { t[row::CmdUscita].tabIndex = 4; } },
        { "a label names a button", rules::linksFitKinds,
            [](Table &t) { t[row::LBLPeso].link = names(row::CmdCalcola); } },
        { "a button describes", rules::linksFitKinds,
            [](Table &t) { t[row::CmdCalcola].link.describes[0] = row::TxtPeso; } },
        { "a label does something", rules::linksFitKinds,
            [](Table &t) { t[row::Label1].link = does(Command::Uscita); } },
        { "a box with no calculate box", rules::linksFitKinds,
            [](Table &t) { t[row::TxtPeso].link = {}; } },
        { "a label below its box", rules::boxesNamedOnTheirLine,
            [](Table &t) { t[row::LBLAltezza].top += 15; } },
        { "a label right of its box", rules::boxesNamedOnTheirLine,
            [](Table &t) { t[row::LBLAltezza].left = 4200; } },
        { "a box named twice", rules::boxesNamedOnTheirLine,
            [](Table &t) {
                t[row::Label6].top = 1080;
                t[row::Label6].link = names(row::TxtPeso);
            } },
        { "the note describes one input", rules::noteDescribesTheInputs,
            [](Table &t) { t[row::Label3].link = describes(row::TxtPeso, row::TxtFattore); } },
        { "a second description", rules::noteDescribesTheInputs,
            [](Table &t) { t[row::Label6].link = describes(row::TxtFattore, row::none); } },
        { "two buttons, one command", rules::boxesAndCommandsOnceEach,
            [](Table &t) { t[row::CmdCancella].link = does(Command::Calcola); } },
        { "two boxes, one calculate box", rules::boxesAndCommandsOnceEach,
            [](Table &t) { t[row::TxtFattore].link = isBox(calc::TextBox::TxtPeso); } },
    };
    for (const auto &[fault, rule, make] : faults) {
        Table table = layoutTable;
        EXPECT_TRUE(rule(table)) << fault;
        make(table);
        EXPECT_FALSE(rule(table)) << fault;
    }
}

} // namespace
