#pragma once

#include <exception>
#include <string_view>

namespace runtime {

// Run-time error numbers, as the user sees them in the error report.
enum class ErrorCode : int {
    Overflow = 6, // a result beyond the double range, or beyond the single range when rounded
    DivisionByZero = 11, // a divisor that is zero
};

// Raised by arithmetic and conversions; stops the running command at the failing step.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorCode code) noexcept
        : m_code(code)
    {
    }

    ErrorCode code() const noexcept { return m_code; }
    int number() const noexcept { return static_cast<int>(m_code); }
    // In the program's language, Italian.
    std::string_view description() const noexcept;
    const char *what() const noexcept override;

private:
    ErrorCode m_code;
};

} // namespace runtime
