#include "runtime/runtime_error.h"

namespace runtime {

const char *RuntimeError::what() const noexcept
{
    switch (m_code) {
    case ErrorCode::Overflow:
        return "Overflow";
    case ErrorCode::DivisionByZero:
        return "Divisione per zero";
    }
    return "Errore di run-time";
}

std::string_view RuntimeError::description() const noexcept { return what(); }

} // namespace runtime
