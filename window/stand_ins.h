#pragma once

#include "window/colours.h"

#include <string_view>

namespace window {

// What stands in for the fonts and the colour the window asks for where the desktop has none of
// its own. The Qt window and the web page use them; the Windows tests give Wine the same
// (scripts/wine.sh reads this file), so that every front end is tried with one look.

// A family the system lacks is replaced by the closest one Debian ships, asked for by name (the
// packages are the window's fonts in scripts/packages.txt).
struct FontStandIn {
    std::string_view family;
    std::string_view standIn;
};
inline constexpr FontStandIn fontStandIns[] = {
    { "MS Sans Serif", "Liberation Sans" },
    { "Verdana", "DejaVu Sans" },
};

// The family that stands in for `family`; `family` itself where none does.
constexpr std::string_view standInFor(std::string_view family)
{
    for (const FontStandIn &font : fontStandIns) {
        if (font.family == family)
            return font.standIn;
    }
    return family;
}

// Qt and the browser have no desktop colour: the classic Windows desktop blue stands in for it.
inline constexpr Rgb desktopStandIn { 58, 110, 165 };

} // namespace window
