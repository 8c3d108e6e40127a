#include "calc/index.h"
#include "runtime/runtime_error.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

using calc::computeIndex;
using calc::weightClass;
using calc::weightClasses;
using runtime::ErrorCode;

// The bounds are single-precision constants; a double bound would move every class edge.
TEST(WeightClasses, BoundsAreTheNearestSingles)
{
    const std::uint32_t bits[]
        = { 0x41800000, 0x41933333, 0x41C73333, 0x41EF3333, 0x420B999A, 0x421F999A, 0x4247999A };
    for (std::size_t row = 0; row < std::size(bits); ++row) {
        SCOPED_TRACE(weightClasses[row].text);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(weightClasses[row].upperBound), bits[row]);
    }
    EXPECT_TRUE(std::isinf(weightClasses.back().upperBound));
}

TEST(WeightClasses, TextsInOrder)
{
    const char *texts[] = { "di Grave Magrezza", "di Magrezza", "di Peso Forma", "Sovrappeso",
        "Obeso", "di Grave Obesit\xc3\xa0", "di Patologicamente Obeso", "di Super Obeso" };
    for (std::size_t row = 0; row < weightClasses.size(); ++row)
        EXPECT_EQ(weightClasses[row].text, texts[row]) << "row " << row + 1;
}

// Each bound belongs to the class below it; the next single above it to the class above.
TEST(WeightClasses, BothSidesOfEveryBound)
{
    for (std::size_t row = 0; row + 1 < weightClasses.size(); ++row) {
        const float bound = weightClasses[row].upperBound;
        SCOPED_TRACE(bound);
        EXPECT_EQ(weightClass(std::nextafter(bound, 0.0f)), weightClasses[row].text);
        EXPECT_EQ(weightClass(bound), weightClasses[row].text);
        EXPECT_EQ(weightClass(std::nextafter(bound, 100.0f)), weightClasses[row + 1].text);
        // The same through the index: a weight equal to the bound over a height of 1.
        EXPECT_EQ(weightClass(computeIndex(bound, 1.0)), weightClasses[row].text);
    }
}

TEST(WeightClasses, ExtremeIndexes)
{
    EXPECT_EQ(weightClass(0.0f), "di Grave Magrezza");
    EXPECT_EQ(weightClass(std::numeric_limits<float>::denorm_min()), "di Grave Magrezza");
    EXPECT_EQ(weightClass(std::numeric_limits<float>::max()), "di Super Obeso");
}

struct Case {
    const char *name;
    double weight;
    double height;
    float index;
    const char *weightClass;
};

void PrintTo(const Case &row, std::ostream *os) { *os << row.name; }

class IndexAndClass : public testing::TestWithParam<Case> { };

TEST_P(IndexAndClass, RoundsToSingleAndClassifies)
{
    const Case &row = GetParam();
    const float index = computeIndex(row.weight, row.height);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(index), std::bit_cast<std::uint32_t>(row.index))
        << index << " != " << row.index;
    EXPECT_EQ(weightClass(index), row.weightClass);
}

INSTANTIATE_TEST_SUITE_P(Examples, IndexAndClass,
    testing::Values(Case { "typical", 70, 1.75, 22.857143f, "di Peso Forma" },
        Case { "exactlySixteen", 16, 1, 16.0f, "di Grave Magrezza" },
        Case { "onTheBound18_4", 18.4, 1, 18.4f, "di Magrezza" },
        Case { "quotientRoundsToBound", 24.9000001, 1, 24.9f, "di Peso Forma" },
        Case { "nextSingleAboveBound", 24.900001, 1, 24.900002f, "Sovrappeso" },
        Case { "onTheTopBound", 49.9, 1, 49.9f, "di Patologicamente Obeso" },
        Case { "aboveTheTopBound", 50, 1, 50.0f, "di Super Obeso" },
        Case { "underweight", 45, 1.8, 13.888889f, "di Grave Magrezza" },
        Case { "obese", 100, 1.7, 34.602077f, "Obeso" },
        Case { "severelyObese", 110, 1.7, 38.062283f, "di Grave Obesit\xc3\xa0" },
        Case { "sixDigitsInput", 60, 1.7, 20.761246f, "di Peso Forma" },
        Case { "superObese", 150, 1.6, 58.59375f, "di Super Obeso" },
        Case { "tinyQuotientIsZero", 1e-300, 1, 0.0f, "di Grave Magrezza" },
        Case { "largestSingle", std::numeric_limits<float>::max(), 1,
            std::numeric_limits<float>::max(), "di Super Obeso" }),
    [](const auto &info) { return info.param.name; });

TEST(ComputeIndex, RaisesTheRunTimeErrors)
{
    const double aboveSingleRange
        = std::nextafter(static_cast<double>(std::numeric_limits<float>::max()), 1e300);
    const struct {
        const char *name;
        double weight;
        double height;
        ErrorCode error;
    } rows[] = {
        {  "quotientBeyondSingle",             1e39,      1,       ErrorCode::Overflow},
        {"justAboveLargestSingle", aboveSingleRange,      1,       ErrorCode::Overflow},
        {    "squareBeyondDouble",               70,  1e200,       ErrorCode::Overflow},
        {          "squareIsZero",               70, 1e-200, ErrorCode::DivisionByZero},
        {  "quotientBeyondDouble",               70, 1e-160,       ErrorCode::Overflow},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        try {
            computeIndex(row.weight, row.height);
            ADD_FAILURE() << "no error";
        } catch (const runtime::RuntimeError &error) {
            EXPECT_EQ(error.code(), row.error);
        }
    }
}

} // namespace
