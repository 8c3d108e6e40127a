// Number reading on arbitrary bytes, against an independent reading: the C library's strtod on
// the number's text, taken from the input by the rules the boxes are read by (blanks, tabs and
// line feeds dropped wherever they stand; a sign, digits, a point and digits, an exponent with
// at least one digit). The reading must never crash, never give NaN or an infinity, give the
// very double strtod gives (sign of zero included) or, where strtod overflows, Overflow and
// nothing else; text with no digit in front reads zero, negative after a minus.
#include "runtime/number.h"
#include "runtime/runtime_error.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What the box's text should read as: a double, or nothing where it overflows.
std::optional<double> expectedOf(const std::string &text)
{
    std::string squeezed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed += c;
    }
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < squeezed.size() ? squeezed[k] : '\0'; };
    std::string number;
    if (at(i) == '+' || at(i) == '-')
        number += squeezed[i++];
    std::size_t digits = 0;
    for (; isDigit(at(i)); ++i, ++digits)
        number += squeezed[i];
    if (at(i) == '.') {
        number += squeezed[i++];
        for (; isDigit(at(i)); ++i, ++digits)
            number += squeezed[i];
    }
    if (digits == 0)
        return !number.empty() && number[0] == '-' ? -0.0 : 0.0;
    std::size_t exponent = i + 1;
    if (at(exponent) == '+' || at(exponent) == '-')
        ++exponent;
    if ((at(i) == 'e' || at(i) == 'E') && isDigit(at(exponent))) {
        for (; i < exponent; ++i)
            number += squeezed[i];
        for (; isDigit(at(i)); ++i)
            number += squeezed[i];
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isinf(value) ? std::nullopt : std::optional(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const runtime::Result<double> read = runtime::readNumber(text);
    const std::optional<double> expected = expectedOf(text);
    const auto bits = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    if (read.failed() ? expected || read.error() != runtime::ErrorCode::Overflow
                      : !expected || bits(read.value()) != bits(*expected))
        std::abort();
    return 0;
}
