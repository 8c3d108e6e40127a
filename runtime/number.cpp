#include "runtime/number.h"

#include "runtime/runtime_error.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace runtime {

namespace {

constexpr bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Steps through the text over the characters that are not ignored.
class Cursor {
public:
    explicit Cursor(std::string_view text)
        : m_text(text)
    {
        skipIgnored();
    }

    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    void advance()
    {
        ++m_pos;
        skipIgnored();
    }
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t position) { m_pos = position; }

private:
    void skipIgnored()
    {
        while (m_pos < m_text.size() && isIgnored(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// 768 significant digits decide the rounding of any double; past them a single nonzero
// digit stands for all that were dropped, which keeps the rounding direction.
constexpr std::size_t maxDigits = 780;
// Far beyond either end of the double range, and small enough not to overflow int64.
constexpr std::int64_t exponentLimit = 1'000'000;

} // namespace

Result<double> readNumber(std::string_view text)
{
    Cursor cursor(text);

    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }

    // The number is `digits` times ten to the power of `exponent`, with the leading zeros left
    // out.
    std::string digits;
    bool dropped = false;
    std::int64_t exponent = 0;
    bool anyDigit = false;

    const auto takeDigit = [&](char digit, bool fraction) {
        anyDigit = true;
        if (digits.empty() && digit == '0') {
            if (fraction)
                --exponent;
            return;
        }
        if (digits.size() < maxDigits) {
            digits += digit;
            if (fraction)
                --exponent;
        } else {
            dropped = dropped || digit != '0';
            if (!fraction)
                exponent = std::min(exponent + 1, exponentLimit);
        }
    };

    for (; isDigit(cursor.peek()); cursor.advance())
        takeDigit(cursor.peek(), false);
    if (cursor.peek() == '.') {
        cursor.advance();
        for (; isDigit(cursor.peek()); cursor.advance())
            takeDigit(cursor.peek(), true);
    }
    if (!anyDigit)
        return negative ? -0.0 : 0.0;

    if (cursor.peek() == 'e' || cursor.peek() == 'E') {
        const std::size_t beforeExponent = cursor.position();
        cursor.advance();
        bool exponentNegative = false;
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            exponentNegative = cursor.peek() == '-';
            cursor.advance();
        }
        if (isDigit(cursor.peek())) {
            std::int64_t written = 0;
            for (; isDigit(cursor.peek()); cursor.advance())
                written = std::min(written * 10 + (cursor.peek() - '0'), exponentLimit);
            exponent += exponentNegative ? -written : written;
        } else {
            cursor.rewind(beforeExponent); // "2e" and "2e+" read as 2
        }
    }

    if (digits.empty())
        return negative ? -0.0 : 0.0;
    if (dropped) {
        digits += '1';
        --exponent;
    }
    exponent = std::clamp(exponent, -exponentLimit, exponentLimit);
    // The digits have no leading zero, so out of range the sign of their count + exponent says
    // on which side the number lies; below it, from_chars leaves the value as it was, zero.
    const auto beyond = static_cast<std::int64_t>(digits.size()) + exponent > 0;

    digits += 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range && beyond)
        return ErrorCode::Overflow;
    return negative ? -value : value;
}

} // namespace runtime
