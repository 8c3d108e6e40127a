#include "calc/index.h"

#include "runtime/runtime_error.h"

#include <cfloat>
#include <cmath>

// The index is computed in double precision and rounded once to single precision, with the
// same bits on every target. Where the compiler computes in a wider format (the x87 unit of
// 32-bit x86 without SSE2: 64 significant bits and a wider exponent), the unit is set to 53
// bits for the computation and every intermediate is stored as a double, which brings it
// into the double range. Anywhere else that computes wider, the build stops.
#include "calc/x87_precision.h"
#if FLT_EVAL_METHOD != 0 && !defined(IMC_X87)
#error "The index needs double-precision arithmetic here: build with SSE2 (-mfpmath=sse)."
#endif

namespace calc {

using runtime::ErrorCode;

namespace {

#if FLT_EVAL_METHOD != 0
using Precision = DoublePrecision;

double asDouble(double value)
{
    const volatile double stored = value;
    return stored;
}
#else
struct Precision {};

double asDouble(double value) { return value; }
#endif

} // namespace

runtime::Result<float> computeIndex(double weight, double height)
{
    [[maybe_unused]] const Precision precision;
    const double square = asDouble(height * height);
    if (std::isinf(square))
        return ErrorCode::Overflow;
    if (square == 0.0)
        return ErrorCode::DivisionByZero;
    const double quotient = asDouble(weight / square);
    if (!(std::fabs(quotient) <= std::numeric_limits<float>::max()))
        return ErrorCode::Overflow;
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
