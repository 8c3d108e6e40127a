#include "runtime/number.h"
#include "runtime/runtime_error.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

constexpr runtime::ErrorCode overflow = runtime::ErrorCode::Overflow;
const std::string tie = "9007199254740993"; // 2^53 + 1, halfway between two doubles

// Each text read as it stands and with a blank in front, which reads the same. Beyond the double
// range, the reading gives Overflow.
// clang-format off
const std::pair<std::string, runtime::Result<double>> readings[] = {
    // Plain numbers.
    { "70", 70 }, { "1.75", 1.75 }, { "007.50", 7.5 }, { ".5", 0.5 }, { "5.", 5 },
    // Blanks, tabs and line feeds are ignored wherever they stand; a carriage return is not.
    { " 7 0", 70 }, { "\t7\n0\t", 70 }, { "1 . 7 5", 1.75 }, { "- 7", -7 }, { "  \t\n ", 0 },
    { "\r5", 0 },
    // Signs: one in front only.
    { "-70", -70 }, { "+5", 5 }, { "-0", -0.0 }, { "--5", -0.0 }, { "5-3", 5 },
    // The longest leading part that is a number.
    { "1,75", 1 }, { "1.7.5", 1.7 }, { "70 kg", 70 }, { "", 0 }, { "kg70", 0 }, { ".", 0 },
    { "\uff17\uff10", 0 },
    // Exponents, with blanks inside; not D, nor hexadecimal.
    { "2.5E-3", 2.5e-3 }, { "1E+3", 1000 }, { "1 e - 3", 1e-3 }, { "1e 3", 1000 },
    { "1e -3", 1e-3 }, { "2e", 2 }, { "2e+", 2 }, { "1e3.5", 1000 },
    { "0e999999999999999999999", 0 }, { "1D3", 1 }, { "&H10", 0 },
    // The range: below it reads zero, with its sign; beyond it raises Overflow.
    { "1.7976931348623157e308", 1.7976931348623157e308 },
    { "4.9406564584124654e-324", 4.9406564584124654e-324 }, { "1e-400", 0 }, { "-1e-400", -0.0 },
    { "1E-400", 0 }, { "0." + std::string(400, '0') + "1e50", 0 },
    { "0." + std::string(500, '0') + "1", 0 }, { "1" + std::string(300, '0') + "e-300", 1 },
    { "1e309", overflow }, { "1" + std::string(400, '0'), overflow },
    { "1e999999999999999999999", overflow }, { "0.01e311", overflow },
    { std::string(1000, '9') + "e-690", overflow }, { ".5e310", overflow },
    { "0.000" + std::string(400, '1') + "e313", overflow },
    // Past the digits it keeps, the reading still rounds as the whole number would: the tie
    // goes to the even double, anything beyond it above.
    { tie, 9007199254740992.0 }, { tie + "." + std::string(900, '0'), 9007199254740992.0 },
    { tie + std::string(900, '0') + "1e-901", 9007199254740994.0 },
    { tie + "." + std::string(900, '0') + "1", 9007199254740994.0 },
    { std::string(1200, '7') + "e-1000", 7.777777777777778e+199 },
    { "0." + std::string(300, '0') + std::string(900, '3'), 3.3333333333333334e-301 },
};
// clang-format on

TEST(NumberReading, ReadsTheLeadingNumberWithOrWithoutABlankInFront)
{
    for (const auto &[row, expected] : readings) {
        for (const std::string &text : { row, " " + row }) {
            SCOPED_TRACE('"' + text.substr(0, 40) + '"');
            const runtime::Result<double> read = runtime::readNumber(text);
            ASSERT_EQ(read.failed(), expected.failed());
            if (read.failed()) {
                EXPECT_EQ(read.error(), expected.error());
            } else {
                EXPECT_EQ(read.value(), expected.value());
                EXPECT_EQ(std::signbit(read.value()), std::signbit(expected.value()));
            }
        }
    }
}

} // namespace
