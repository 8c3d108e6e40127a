#include "runtime/text.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

// Seven significant digits, with no point for an integer; below 0.0001 and from ten million on,
// a mantissa and a signed two-digit exponent; the separator as given, of one byte or more.
TEST(SingleToText, ShowsSevenSignificantDigits)
{
    // clang-format off
    const std::tuple<float, const char *, const char *> shown[] = {
        { 22.857143f, ".", "22.85714" }, { 16.0f, ".", "16" }, { -5.5f, ".", "-5.5" },
        { 1234567.0f, ".", "1234567" }, { 0.0001f, ".", "0.0001" }, { 1e7f, ".", "1E+07" },
        { 123456789.0f, ".", "1.234568E+08" }, { 1e-5f, ".", "1E-05" },
        { std::numeric_limits<float>::max(), ".", "3.402823E+38" }, { 1.5e-7f, ",", "1,5E-07" },
        { 1.5f, "\u066b", "1\u066b5" } };
    // clang-format on
    for (const auto &[value, separator, text] : shown)
        EXPECT_EQ(runtime::singleToText(value, separator), text) << value;
}

} // namespace
