#include "calc/index.h"
#include "calc/x87_precision.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

using calc::computeIndex;
using calc::weightClass;

// Each class with its bound, a single-precision constant (a double would move every edge).
// The bound belongs to its class, the next single above it to the next class; so too through
// the index, for a weight equal to the bound over a height of 1.
TEST(WeightClasses, EachBoundBelongsToTheClassBelowIt)
{
    const struct {
        std::uint32_t bound;
        const char *text;
    } rows[] = {
        { 0x41800000, "di Grave Magrezza" },
        { 0x41933333, "di Magrezza" },
        { 0x41C73333, "di Peso Forma" },
        { 0x41EF3333, "Sovrappeso" },
        { 0x420B999A, "Obeso" },
        { 0x421F999A, "di Grave Obesit\xc3\xa0" },
        { 0x4247999A, "di Patologicamente Obeso" },
    };
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        const auto bound = std::bit_cast<float>(rows[row].bound);
        SCOPED_TRACE(bound);
        const char *above = row + 1 < std::size(rows) ? rows[row + 1].text : "di Super Obeso";
        EXPECT_EQ(weightClass(std::nextafter(bound, 0.0f)), rows[row].text);
        EXPECT_EQ(weightClass(bound), rows[row].text);
        EXPECT_EQ(weightClass(computeIndex(bound, 1.0).value()), rows[row].text);
        EXPECT_EQ(weightClass(std::nextafter(bound, 100.0f)), above);
    }
}

#ifdef IMC_X87
// Long doubles are the x87 unit's: under the guard they keep double's 53 bits, no more and no
// fewer, and after it their 64 again.
TEST(DoublePrecision, HoldsTheX87UnitAtDoubleWhileItLives)
{
    const auto kept = [](long double part) {
        const volatile long double added = part; // added at run time, by the unit
        return 1.0L + added != 1.0L;
    };
    {
        const calc::DoublePrecision precision;
        EXPECT_TRUE(kept(0x1p-52L));
        EXPECT_FALSE(kept(0x1p-60L));
    }
    EXPECT_TRUE(kept(0x1p-60L));
}
#endif

} // namespace
