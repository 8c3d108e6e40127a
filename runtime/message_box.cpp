#include "runtime/message_box.h"

#include "runtime/runtime_error.h"

namespace runtime {

MessageBoxRequest errorReport(ErrorCode error, std::string_view title)
{
    std::string prompt = "Errore di run-time '" + std::to_string(errorNumber(error)) + "':\n\n";
    prompt += errorDescription(error);
    return { std::move(prompt), std::string(title), buttons::Critical | buttons::OkOnly };
}

} // namespace runtime
