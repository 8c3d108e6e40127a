#include "window/colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace window {

namespace {

double luminance(Rgb colour)
{
    const auto linear = [](std::uint8_t channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green)
        + 0.0722 * linear(colour.blue);
}

struct Hsl {
    double hue; // 0 to 6, by sixths of the circle
    double saturation;
    double lightness;
};

Hsl toHsl(Rgb colour)
{
    const double r = colour.red / 255.0, g = colour.green / 255.0, b = colour.blue / 255.0;
    const double high = std::max({ r, g, b }), low = std::min({ r, g, b });
    const double lightness = (high + low) / 2, chroma = high - low;
    if (chroma == 0)
        return { 0, 0, lightness };
    const double hue = high == r ? std::fmod((g - b) / chroma + 6, 6)
        : high == g              ? (b - r) / chroma + 2
                                 : (r - g) / chroma + 4;
    return { hue, chroma / (1 - std::abs(2 * lightness - 1)), lightness };
}

Rgb toRgb(Hsl colour)
{
    const double chroma = (1 - std::abs(2 * colour.lightness - 1)) * colour.saturation;
    const double second = chroma * (1 - std::abs(std::fmod(colour.hue, 2) - 1));
    const double low = colour.lightness - chroma / 2;
    const int sextant = static_cast<int>(colour.hue) % 6;
    const std::array<double, 3> rgb = std::array<std::array<double, 3>, 6> { {
        { chroma, second, 0 },
        { second, chroma, 0 },
        { 0, chroma, second },
        { 0, second, chroma },
        { second, 0, chroma },
        { chroma, 0, second },
    } }[static_cast<std::size_t>(sextant)];
    const auto channel
        = [&](double value) { return static_cast<std::uint8_t>(std::lround((value + low) * 255)); };
    return { channel(rgb[0]), channel(rgb[1]), channel(rgb[2]) };
}

// The lightness nearest to `colour`'s, towards `end` (0 or 1), at which the ratio is reached;
// `end` itself where none before it does.
Rgb towards(Hsl colour, double end, Rgb background, double ratio)
{
    double reached = end, missed = colour.lightness;
    for (int step = 0; step < 24; ++step) {
        const double middle = (reached + missed) / 2;
        (contrastRatio(toRgb({ colour.hue, colour.saturation, middle }), background) >= ratio
                ? reached
                : missed)
            = middle;
    }
    return toRgb({ colour.hue, colour.saturation, reached });
}

} // namespace

double contrastRatio(Rgb a, Rgb b)
{
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Rgb readableOn(Rgb colour, Rgb background)
{
    const double ratio = readableContrast;
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    const Hsl hsl = toHsl(colour);
    const bool lightBackground
        = contrastRatio(background, { 0, 0, 0 }) >= contrastRatio(background, { 255, 255, 255 });
    const Rgb first = towards(hsl, lightBackground ? 0 : 1, background, ratio);
    if (contrastRatio(first, background) >= ratio)
        return first;
    // The other way; where neither reaches the ratio (a mid grey), the end that comes nearer.
    const Rgb second = towards(hsl, lightBackground ? 1 : 0, background, ratio);
    return contrastRatio(second, background) > contrastRatio(first, background) ? second : first;
}

} // namespace window
