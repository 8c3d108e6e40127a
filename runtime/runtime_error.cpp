#include "runtime/runtime_error.h"

namespace runtime {

std::string_view errorDescription(ErrorCode code)
{
    return code == ErrorCode::Overflow ? "Overflow" : "Divisione per zero";
}

} // namespace runtime
