#include "runtime/number.h"
#include "runtime/runtime_error.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using runtime::readNumber;

struct Reading {
    const char *name;
    std::string text;
    double expected;
};

void PrintTo(const Reading &row, std::ostream *os) { *os << row.name; }

class NumberReading : public testing::TestWithParam<Reading> { };

constexpr double overflow = std::numeric_limits<double>::infinity();

// A blank in front reads the same and sends the text through the reading that skips blanks,
// rather than the direct one that takes blank-free text. Beyond the double range, the reading
// raises Overflow.
TEST_P(NumberReading, ReadsTheLeadingNumberWithOrWithoutABlankInFront)
{
    const Reading &row = GetParam();
    for (const std::string &text : { row.text, " " + row.text }) {
        SCOPED_TRACE('"' + text.substr(0, 40) + '"');
        try {
            const double value = readNumber(text);
            EXPECT_EQ(value, row.expected);
            EXPECT_EQ(std::signbit(value), std::signbit(row.expected));
        } catch (const runtime::RuntimeError &error) {
            EXPECT_EQ(row.expected, overflow);
            EXPECT_EQ(error.code(), runtime::ErrorCode::Overflow);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plain, NumberReading,
    testing::Values(Reading { "integer", "70", 70 }, Reading { "decimal", "1.75", 1.75 },
        Reading { "leadingZeros", "007.50", 7.5 }, Reading { "pointFirst", ".5", 0.5 },
        Reading { "pointLast", "5.", 5 }),
    [](const auto &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(IgnoredBlanks, NumberReading,
    testing::Values(Reading { "blankInsideDigits", " 7 0", 70 },
        Reading { "tabAndLineFeed", "\t7\n0\t", 70 },
        Reading { "blanksAroundPoint", "1 . 7 5", 1.75 }, Reading { "blankAfterSign", "- 7", -7 },
        Reading { "onlyBlanks", "  \t\n ", 0 }, Reading { "carriageReturnIsNotIgnored", "\r5", 0 }),
    [](const auto &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Sign, NumberReading,
    testing::Values(Reading { "minus", "-70", -70 }, Reading { "plus", "+5", 5 },
        Reading { "negativeZero", "-0", -0.0 }, Reading { "twoSigns", "--5", -0.0 },
        Reading { "minusInsideEndsTheNumber", "5-3", 5 }),
    [](const auto &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(LongestLeadingPart, NumberReading,
    testing::Values(Reading { "commaEndsTheNumber", "1,75", 1 },
        Reading { "secondPointEndsTheNumber", "1.7.5", 1.7 },
        Reading { "unitAfterBlank", "70 kg", 70 }, Reading { "empty", "", 0 },
        Reading { "unitFirst", "kg70", 0 }, Reading { "pointAlone", ".", 0 },
        Reading { "fullwidthDigits", "\uff17\uff10", 0 }),
    [](const auto &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Exponent, NumberReading,
    testing::Values(Reading { "negativeExponent", "2.5E-3", 2.5e-3 },
        Reading { "positiveExponent", "1E+3", 1000 },
        Reading { "blanksInsideExponent", "1 e - 3", 1e-3 },
        Reading { "blankAfterExponentLetter", "1e 3", 1000 },
        Reading { "blankBeforeExponentSign", "1e -3", 1e-3 },
        Reading { "noExponentDigits", "2e", 2 }, Reading { "signWithoutDigits", "2e+", 2 },
        Reading { "pointEndsExponent", "1e3.5", 1000 },
        Reading { "zeroWithHugeExponent", "0e999999999999999999999", 0 },
        Reading { "dExponentIsNotRead", "1D3", 1 }, Reading { "hexIsNotRead", "&H10", 0 }),
    [](const auto &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Range, NumberReading,
    testing::Values(Reading { "largestDouble", "1.7976931348623157e308", 1.7976931348623157e308 },
        Reading { "smallestSubnormal", "4.9406564584124654e-324", 4.9406564584124654e-324 },
        Reading { "belowRangeReadsZero", "1e-400", 0 },
        Reading { "belowRangeKeepsSign", "-1e-400", -0.0 },
        Reading { "belowRangeUppercase", "1E-400", 0 },
        Reading { "belowRangeWithPositiveExponent", "0." + std::string(400, '0') + "1e50", 0 },
        Reading { "manyLeadingFractionZeros", "0." + std::string(500, '0') + "1", 0 },
        Reading { "manyTrailingZeros", "1" + std::string(300, '0') + "e-300", 1 },
        Reading { "beyondRange", "1e309", overflow },
        Reading { "beyondRangeByDigits", "1" + std::string(400, '0'), overflow },
        Reading { "hugeExponent", "1e999999999999999999999", overflow },
        Reading { "beyondRangeWithFraction", "0.01e311", overflow },
        Reading { "beyondRangeByManyDigits", std::string(1000, '9') + "e-690", overflow },
        Reading { "beyondRangeFromPoint", ".5e310", overflow },
        Reading {
            "beyondRangeByFractionDigits", "0.000" + std::string(400, '1') + "e313", overflow }),
    [](const auto &info) { return info.param.name; });

// Past the digits it keeps, the reading still rounds as the whole number would: 2^53 + 1 lies
// halfway between two doubles, and ties to the even one.
const std::string tie = "9007199254740993";
INSTANTIATE_TEST_SUITE_P(LongMantissa, NumberReading,
    testing::Values(Reading { "tieToEven", tie, 9007199254740992.0 },
        Reading {
            "zerosBeyondTheDigitsKept", tie + "." + std::string(900, '0'), 9007199254740992.0 },
        Reading { "justAboveTheTie", tie + std::string(900, '0') + "1e-901", 9007199254740994.0 },
        Reading { "justAboveTheTieInFraction", tie + "." + std::string(900, '0') + "1",
            9007199254740994.0 },
        Reading { "manyDigits", std::string(1200, '7') + "e-1000", 7.777777777777778e+199 },
        Reading { "manyFractionDigits", "0." + std::string(300, '0') + std::string(900, '3'),
            3.3333333333333334e-301 }),
    [](const auto &info) { return info.param.name; });

} // namespace
