#include "calc/index.h"

#include "runtime/runtime_error.h"

#include <cmath>

namespace calc {

using runtime::ErrorCode;
using runtime::RuntimeError;

float computeIndex(double weight, double height)
{
    const double square = height * height;
    if (std::isinf(square))
        throw RuntimeError(ErrorCode::Overflow);
    if (square == 0.0)
        throw RuntimeError(ErrorCode::DivisionByZero);
    const double quotient = weight / square;
    if (!(std::fabs(quotient) <= std::numeric_limits<float>::max()))
        throw RuntimeError(ErrorCode::Overflow);
    return static_cast<float>(quotient);
}

std::string_view weightClass(float index)
{
    for (const WeightClass &row : weightClasses) {
        if (index <= row.upperBound)
            return row.text;
    }
    return weightClasses.back().text;
}

} // namespace calc
