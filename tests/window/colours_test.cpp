#include "window/colours.h"

#include <gtest/gtest.h>

namespace {

constexpr window::Rgb black { 0, 0, 0 }, white { 255, 255, 255 };

// WCAG's ratios, either way round: black on white, each primary at its weight, #777 on white, a
// near black (on the straight part of the sRGB curve).
TEST(Colours, ContrastIsTheRatioOfRelativeLuminances)
{
    const std::tuple<window::Rgb, window::Rgb, double> pairs[] = {
        { black, white, 21 },
        { { 255, 0, 0 }, white, 3.9985 },
        { { 0, 255, 0 }, black, 15.304 },
        { { 0, 0, 255 }, black, 2.444 },
        { { 119, 119, 119 }, white, 4.4781 },
        { { 10, 10, 10 }, black, 1.0607 },
    };
    for (const auto &[a, b, ratio] : pairs) {
        EXPECT_NEAR(window::contrastRatio(a, b), ratio, 1e-4);
        EXPECT_NEAR(window::contrastRatio(b, a), ratio, 1e-4);
    }
}

// A colour of each sixth of the colour circle, and a grey, at the lightness nearest its own
// that reaches 5 : 1, in its hue: darker on a light background, lighter on a dark one. One that
// reaches it already is kept.
TEST(Colours, ReadableMovesTheLightnessNoFurtherThanItMust)
{
    const std::tuple<window::Rgb, window::Rgb, window::Rgb> rows[] = {
        { { 255, 0, 0 }, white, { 224, 0, 0 } },
        { { 255, 255, 0 }, white, { 115, 115, 0 } },
        { { 0, 200, 100 }, white, { 0, 128, 64 } },
        { { 0, 120, 215 }, { 53, 53, 53 }, { 66, 172, 255 } },
        { { 120, 60, 220 }, black, { 145, 97, 227 } },
        { { 213, 97, 153 }, { 250, 250, 250 }, { 193, 51, 120 } },
        { { 120, 120, 120 }, { 128, 128, 128 }, { 10, 10, 10 } },
        { { 0, 0, 128 }, white, { 0, 0, 128 } },
    };
    for (const auto &[colour, background, shown] : rows)
        EXPECT_EQ(window::readableOn(colour, background, 5.0), shown);
    // Where neither end reaches the ratio, the nearer: black on mid grey (5.3 : 1, white 3.9).
    EXPECT_EQ(window::readableOn({ 120, 120, 120 }, { 128, 128, 128 }, 5.5), black);
}

} // namespace
