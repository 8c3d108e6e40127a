#include "runtime/text.h"

#include <array>
#include <charconv>

namespace runtime {

std::string singleToText(float value, std::string_view decimalSeparator)
{
    // "%.7G" without the C library's locale: to_chars always writes '.' and 'e'.
    std::array<char, 32> digits {};
    const auto [end, ec] = std::to_chars(
        digits.data(), digits.data() + digits.size(), value, std::chars_format::general, 7);
    std::string text;
    text.reserve(static_cast<std::size_t>(end - digits.data()) + decimalSeparator.size());
    for (const char *p = digits.data(); p != end; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else if (*p == 'e')
            text += 'E';
        else
            text += *p;
    }
    return text;
}

} // namespace runtime
