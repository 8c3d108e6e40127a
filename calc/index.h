#pragma once

#include "runtime/runtime_error.h"

#include <array>
#include <limits>
#include <string_view>

namespace calc {

// One row of the weight classes: every index up to and including `upperBound` that no earlier
// row takes. The bounds are single-precision constants, compared with the single-precision
// index.
struct WeightClass {
    float upperBound;
    std::string_view text; // UTF-8
};

// clang-format off
inline constexpr std::array<WeightClass, 8> weightClasses { {
    {                                   16.0f,        "di Grave Magrezza" },
    {                                   18.4f,              "di Magrezza" },
    {                                   24.9f,            "di Peso Forma" },
    {                                   29.9f,               "Sovrappeso" },
    {                                   34.9f,                    "Obeso" },
    {                                   39.9f,   "di Grave Obesit\u00e0" },
    {                                   49.9f, "di Patologicamente Obeso" },
    { std::numeric_limits<float>::infinity(),           "di Super Obeso" },
} };
// clang-format on

// The body-mass index, weight (kg) over the square of the height (m), both in double precision,
// rounded to single precision (to nearest, ties to even). For a weight and a height greater
// than zero. Gives Overflow when the square is infinite or the quotient lies beyond the largest
// single-precision value, DivisionByZero when the square is zero.
runtime::Result<float> computeIndex(double weight, double height);

// The text of the weight class of `index`: the first row whose bound is not below it.
std::string_view weightClass(float index);

} // namespace calc
