#pragma once

#include <array>
#include <string_view>

class QRect;

namespace window {

enum class Kind { TextBox, Button, Label, Line };
enum class Align { Left, Centre };
// Text colour: the palette's default, its highlight, or the desktop colour.
enum class Colour { Default, Highlight, Desktop };

struct FontSpec {
    std::string_view family;
    double points;
    bool bold = false;
    bool italic = false;
};

// Where a family above is missing, the closest font Debian ships stands in.
struct FontSubstitute {
    std::string_view family;
    std::string_view substitute;
};
inline constexpr std::array<FontSubstitute, 2> fontSubstitutes {
    {
     { "MS Sans Serif", "Liberation Sans" },
     { "Verdana", "DejaVu Sans" },
     }
};

inline constexpr FontSpec headingFont { "MS Sans Serif", 12, true, false };
inline constexpr FontSpec captionFont { "MS Sans Serif", 9.75 };
inline constexpr FontSpec smallFont { "MS Sans Serif", 8.25 };
inline constexpr FontSpec versionFont { "Verdana", 9.75, true, false };
inline constexpr FontSpec creditFont { "Verdana", 9.75, false, true };

// One control of the window. Geometry in twips from the top left of the client area; a line
// runs from (left, top) to (left + width, top + height). noTab: the control has no tab index.
struct Control {
    std::string_view name;
    Kind kind;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    const FontSpec *font;
    Colour colour;
    Align align;
};

inline constexpr int noTab = -1;
inline constexpr int twipsPerPixel = 15; // at 96 dots per inch
inline constexpr int clientWidth = 5415; // twips
inline constexpr int clientHeight = 6210;

extern const std::array<Control, 17> layoutTable;

// Twips to Qt logical pixels; Qt's own scaling then serves high-DPI screens.
constexpr int toPixels(int twips) { return twips / twipsPerPixel; }
QRect pixelRect(const Control &control);

} // namespace window
