#include "runtime/text.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct Shown {
    const char *name;
    float value;
    const char *separator;
    const char *expected;
};

void PrintTo(const Shown &row, std::ostream *os) { *os << row.name; }

class SingleToText : public testing::TestWithParam<Shown> { };

TEST_P(SingleToText, ShowsSevenSignificantDigits)
{
    const Shown &row = GetParam();
    EXPECT_EQ(runtime::singleToText(row.value, row.separator), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, SingleToText,
    testing::Values(Shown { "roundsToSevenDigits", 22.857143f, ".", "22.85714" },
        Shown { "integerHasNoPoint", 16.0f, ".", "16" }, Shown { "negative", -5.5f, ".", "-5.5" },
        Shown { "sevenIntegerDigits", 1234567.0f, ".", "1234567" },
        Shown { "smallestFixed", 0.0001f, ".", "0.0001" },
        Shown { "tenMillion", 1e7f, ".", "1E+07" },
        Shown { "mantissaRounded", 123456789.0f, ".", "1.234568E+08" },
        Shown { "belowFixed", 1e-5f, ".", "1E-05" },
        Shown { "largestSingle", std::numeric_limits<float>::max(), ".", "3.402823E+38" },
        Shown { "separatorInMantissa", 1.5e-7f, ",", "1,5E-07" },
        Shown { "multiByte", 1.5f, "\u066b", "1\u066b5" }),
    [](const auto &info) { return info.param.name; });

} // namespace
