#pragma once

#include <string_view>

namespace runtime {

// Run-time error numbers, as the user sees them in the error report.
enum class ErrorCode : int {
    Overflow = 6, // a result beyond the double range, or beyond the single range when rounded
    DivisionByZero = 11, // a divisor that is zero
};

constexpr int errorNumber(ErrorCode code) { return static_cast<int>(code); }
// In the program's language, Italian.
std::string_view errorDescription(ErrorCode code);

// What a step of arithmetic or conversion gives: its value, or the run-time error that stops
// the running command at that step.
template<class T>
class [[nodiscard]] Result {
public:
    // Implicit, so that a step returns its value or its error as it stands.
    constexpr Result(T value)
        : m_value(value)
    {
    }
    constexpr Result(ErrorCode error)
        : m_error(error)
        , m_failed(true)
    {
    }

    constexpr bool failed() const { return m_failed; }
    // Only where failed().
    constexpr ErrorCode error() const { return m_error; }
    // Only where not failed().
    constexpr T value() const { return m_value; }

private:
    T m_value {};
    ErrorCode m_error {};
    bool m_failed = false;
};

} // namespace runtime
