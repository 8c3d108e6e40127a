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

// What a label's text, as drawn, reaches against its background at the least: WCAG's 4.5 : 1
// (level AA) for text of the window's sizes. Every contrast check of the window holds it.
inline constexpr double legibleContrast = 4.5;

// What a label's colour is given against its background, for its text as drawn to reach
// legibleContrast: small text is anti-aliased, and its strokes seldom reach their full colour
// (the 8.25-point note measured 4.2 : 1 as drawn in a colour of 5 : 1; 4.5 needs 5.4).
inline constexpr double readableContrast = 5.5;

// A label's colour: `colour` (the system colour it is given) with its hue and saturation, its
// lightness moved no further than it must for readableContrast against `background`: darker
// on a light background, lighter on a dark one (or the other way where only that one reaches
// it). A colour that already reaches it is kept. Both front ends colour their labels by it.
Rgb readableOn(Rgb colour, Rgb background);

} // namespace window
