#pragma once

#include <string>
#include <string_view>

namespace runtime {

enum class ErrorCode : int;

// The buttons value of a message box: an icon plus a set of buttons, the program's boxes all
// having the one OK button. The values are Windows' own (MB_OK, MB_ICONHAND, ...).
namespace buttons {
inline constexpr int OkOnly = 0;
inline constexpr int Critical = 16;
inline constexpr int Information = 64;
inline constexpr int IconMask = 0xF0;
} // namespace buttons

// Text is UTF-8.
struct MessageBoxRequest {
    std::string prompt;
    std::string title;
    int buttons = buttons::OkOnly;

    friend bool operator==(const MessageBoxRequest &, const MessageBoxRequest &) = default;
};

// Shows a modal message box and returns once the user has dismissed it.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const MessageBoxRequest &request) = 0;
};

// The box that reports a run-time error to the user: its number and description, critical
// icon, one OK button.
MessageBoxRequest errorReport(ErrorCode error, std::string_view title);

} // namespace runtime
