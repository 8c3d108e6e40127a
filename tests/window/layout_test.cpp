#include "window/layout_rules.h"

#include <gtest/gtest.h>

namespace window::rules {

// Each rule the table is compiled under (so holding for it) fails for the table with one fault.
TEST(LayoutRules, EachCatchesItsFault)
{
    const std::pair<bool (*)(const Table &), void (*)(Table &)> faults[] = {
        { onPixelGrid, [](Table &t) { t[row::TxtPeso].left += 5; } },
        { tabIndexesOnceEach, [](Table &t) { t[row::CmdUscita].tabIndex = 4; } },
        { linksFitKinds, [](Table &t) { t[row::LBLPeso].link = names(row::CmdCalcola); } },
        { linksFitKinds, [](Table &t) { t[row::CmdCalcola].link.describes[0] = row::TxtPeso; } },
        { linksFitKinds, [](Table &t) { t[row::Label1].link = does(Command::Uscita); } },
        { linksFitKinds, [](Table &t) { t[row::TxtPeso].link = {}; } },
        { boxesNamedOnTheirLine, [](Table &t) { t[row::LBLAltezza].top += 15; } },
        { boxesNamedOnTheirLine, [](Table &t) { t[row::LBLAltezza].left = 4200; } },
        { boxesNamedOnTheirLine, [](Table &t) { t[row::Label6] = t[row::LBLPeso]; } },
        { noteDescribesTheInputs, [](Table &t) { t[row::Label3].link.describes[1] = 0; } },
        { noteDescribesTheInputs, [](Table &t) { t[row::Label6].link = t[row::Label3].link; } },
        { boxesAndCommandsOnceEach,
            [](Table &t) { t[row::CmdCancella].link = does(Command::Calcola); } },
        { boxesAndCommandsOnceEach,
            [](Table &t) { t[row::TxtFattore].link = t[row::TxtPeso].link; } },
    };
    for (std::size_t fault = 0; fault < std::size(faults); ++fault) {
        Table table = layoutTable;
        faults[fault].second(table);
        EXPECT_FALSE(faults[fault].first(table)) << fault;
    }
}

} // namespace window::rules
