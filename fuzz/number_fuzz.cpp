// Number reading on arbitrary bytes. It must never crash, never give NaN or an infinity, and
// raise no error but Overflow. Read with a blank in front, which sends it through the general
// reading that skips blanks, any text must give what it gives alone, bit for bit and sign of
// zero included: where the text has no blank, alone it goes straight to std::from_chars.
#include "runtime/number.h"
#include "runtime/runtime_error.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// The value read, or nothing for Overflow.
std::optional<std::uint64_t> read(const std::string &text)
{
    try {
        const double value = runtime::readNumber(text);
        if (!std::isfinite(value))
            std::abort();
        return std::bit_cast<std::uint64_t>(value);
    } catch (const runtime::RuntimeError &error) {
        if (error.code() != runtime::ErrorCode::Overflow)
            std::abort();
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    if (read(text) != read(" " + text))
        std::abort();
    return 0;
}
