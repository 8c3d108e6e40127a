#pragma once

#include <QString>
#include <string_view>

namespace window {

// Text from the core (UTF-8) as Qt holds it; the way back is QString::toStdString (UTF-8 too).
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace window
