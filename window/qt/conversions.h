#pragma once

#include "window/colours.h"

#include <QColor>
#include <QString>
#include <string_view>

namespace window {

// Text from the core (UTF-8) as Qt holds it; the way back is QString::toStdString (UTF-8 too).
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A colour of Qt's as the core takes it, 8-bit sRGB.
inline Rgb toRgb(const QColor &colour)
{
    const QRgb rgb = colour.rgb();
    return { static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
        static_cast<std::uint8_t>(qBlue(rgb)) };
}

} // namespace window
