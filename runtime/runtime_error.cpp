#include "runtime/runtime_error.h"

namespace runtime {

const char *RuntimeError::what() const noexcept
{
    return m_code == ErrorCode::Overflow ? "Overflow" : "Divisione per zero";
}

std::string_view RuntimeError::description() const noexcept { return what(); }

} // namespace runtime
