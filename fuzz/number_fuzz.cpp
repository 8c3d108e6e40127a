// Number reading on arbitrary bytes, against a plain reading written here from the rules:
// drop every blank, tab and line feed, take the longest leading number, convert it with
// from_chars. The two must agree on every input, bit for bit, sign of zero included.
#include "runtime/number.h"
#include "runtime/runtime_error.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value the rules give, or nothing for a number beyond the double range.
std::optional<double> plainReading(std::string_view input)
{
    std::string text;
    for (const char c : input)
        if (c != ' ' && c != '\t' && c != '\n')
            text += c;

    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return negative ? -0.0 : 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (i < text.size() && isDigit(text[i])) {
            while (i < text.size() && isDigit(text[i]))
                ++i;
            end = i;
        }
    }

    const std::string number = text.substr(start, end - start);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ptr != number.data() + number.size())
        std::abort(); // the scan above and from_chars disagree on what a number is
    if (result.ec == std::errc::result_out_of_range) {
        // strtod tells the two sides apart: infinity beyond the range, zero below it. The
        // program never sets a locale, so "." is its separator.
        if (std::isinf(std::strtod(number.c_str(), nullptr)))
            return std::nullopt;
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::optional<double> expected = plainReading(input);

    std::optional<double> read;
    try {
        read = runtime::readNumber(input);
    } catch (const runtime::RuntimeError &error) {
        if (error.code() != runtime::ErrorCode::Overflow)
            std::abort();
    }

    if (read && !std::isfinite(*read))
        std::abort();
    if (read.has_value() != expected.has_value())
        std::abort();
    if (read && std::bit_cast<std::uint64_t>(*read) != std::bit_cast<std::uint64_t>(*expected))
        std::abort();
    return 0;
}
