#include "window/colours.h"
#include "window/stand_ins.h"

#include <gtest/gtest.h>

namespace {

constexpr window::Rgb black { 0, 0, 0 }, white { 255, 255, 255 };

// A colour of each sixth of the colour circle, and a grey, at the lightness nearest its own
// that reaches 5.5 : 1, in its hue: darker on a light background, lighter on a dark one. One
// that reaches it already is kept; where neither end does, the nearer (black on mid grey: 5.3,
// white 3.9). Last, the desktop's stand-in on Qt's default window, and Windows 10's highlight.
TEST(Colours, ReadableMovesTheLightnessNoFurtherThanItMust)
{
    const std::tuple<window::Rgb, window::Rgb, window::Rgb> rows[] = {
        { { 255, 0, 0 }, white, { 212, 0, 0 } },
        { { 255, 255, 0 }, white, { 108, 108, 0 } },
        { { 0, 200, 100 }, white, { 0, 121, 61 } },
        { { 0, 120, 215 }, { 53, 53, 53 }, { 86, 181, 255 } },
        { { 120, 60, 220 }, black, { 152, 106, 228 } },
        { { 213, 97, 153 }, { 250, 250, 250 }, { 182, 48, 113 } },
        { { 120, 120, 120 }, { 128, 128, 128 }, black },
        { { 0, 0, 128 }, white, { 0, 0, 128 } },
        { window::desktopStandIn, { 239, 239, 239 }, { 52, 98, 147 } },
        { { 0, 120, 215 }, { 240, 240, 240 }, { 0, 97, 175 } },
    };
    for (const auto &[colour, background, shown] : rows)
        EXPECT_EQ(window::readableOn(colour, background), shown);
}

} // namespace
