#pragma once

#include "runtime/runtime_error.h"

#include <string_view>

namespace runtime {

// Reads the number that `text` (UTF-8) begins with, as the input boxes are read:
// - blanks, tabs and line feeds are ignored wherever they stand (" 7 0" reads 70);
// - one leading "+" or "-" may stand before the digits;
// - "." is the only decimal separator, so "," ends the number ("1,75" reads 1);
// - an exponent "E" or "e", with an optional sign and at least one digit, may follow;
// - the longest leading part that forms a number is read ("70 kg" reads 70, "1.7.5" reads 1.7,
//   "2e" reads 2), and text with no leading number reads 0.
// "D" exponents and the "&H"/"&O" radix forms are not accepted: they end the number ("&H10"
// reads 0). The C locale plays no part. The number's digits are gathered into a string, on the
// heap once they are more than a few.
// Gives Overflow for a number beyond the double range; a number too small for it reads as zero
// with its sign.
Result<double> readNumber(std::string_view text);

} // namespace runtime
