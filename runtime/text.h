#pragma once

#include <string>
#include <string_view>

namespace runtime {

// The text of a single-precision value: at most seven significant digits, trailing zeros
// dropped ("22.85714", "16", "24.9"), `decimalSeparator` (UTF-8, the caller's locale's) in
// place of the point. Values of 1E+07 and above, or below 0.0001, take the exponent form:
// mantissa, "E", sign and at least two digits ("1.234568E+08", "1E-05").
std::string singleToText(float value, std::string_view decimalSeparator);

} // namespace runtime
