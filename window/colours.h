#pragma once

#include <cstdint>

namespace window {

// A colour as the screen shows it: 8-bit sRGB.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb &) const = default;
};

// The contrast ratio of two colours, from 1 (the same) to 21 (black and white): the ratio of
// their relative luminances, each plus 0.05, as WCAG measures legibility.
double contrastRatio(Rgb a, Rgb b);

// What text needs against its background to be read: WCAG's 4.5 : 1 for text of the window's
// sizes, with a margin for small text, whose anti-aliased strokes never reach its full colour
// on screen (8 points: 4.45 : 1 where the colour has 4.5).
inline constexpr double readableContrast = 5.0;

// `colour` with its hue and saturation, its lightness moved no further than it must for
// `ratio` against `background`: darker on a light background, lighter on a dark one (or the
// other way where only that one reaches it). A colour that already reaches it is kept.
Rgb readableOn(Rgb colour, Rgb background, double ratio = readableContrast);

} // namespace window
