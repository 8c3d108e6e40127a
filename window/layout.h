#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace window {

enum class Kind { TextBox, Button, Label, Line };
enum class Align { Left, Centre };
// Text colour: the toolkit's default, or one of two system colours.
enum class Colour { Default, Highlight, Desktop };

struct FontSpec {
    std::string_view family;
    double points;
    bool bold = false;
    bool italic = false;
};

inline constexpr FontSpec headingFont { "MS Sans Serif", 12, true, false };
inline constexpr FontSpec captionFont { "MS Sans Serif", 9.75 };
inline constexpr FontSpec smallFont { "MS Sans Serif", 8.25 };
inline constexpr FontSpec versionFont { "Verdana", 9.75, true, false };
inline constexpr FontSpec creditFont { "Verdana", 9.75, false, true };

// The scalable family that took over from a raster one, for the sizes that the raster one has no
// bitmaps of; none for a family that scales already.
constexpr std::string_view scalableSuccessor(std::string_view family)
{
    return family == captionFont.family ? "Microsoft Sans Serif" : "";
}

// One control of the window. Geometry in twips from the top left of the client area; a line
// runs from (left, top) to (left + width, top + height). noTab: the control has no tab index.
struct Control {
    std::string_view name;
    Kind kind;
    std::string_view caption; // UTF-8
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

// Text boxes and buttons take the focus; labels and the line never do.
constexpr bool takesFocus(const Control &control)
{
    return control.kind == Kind::TextBox || control.kind == Kind::Button;
}

// The window's caption; the box that reports a run-time error bears it too.
inline constexpr std::string_view caption = "Indice di Massa Corporea";
inline constexpr int clientWidth = 5415; // twips
inline constexpr int clientHeight = 6210;

// The controls in the order the window describes them.
extern const std::array<Control, 17> layoutTable;

// Twips to pixels at `dpi` dots per inch, to nearest as Windows' MulDiv rounds: at 96 dpi
// (Qt's logical pixels) 15 twips make a pixel.
constexpr int toPixels(int twips, int dpi = 96) { return (twips * dpi + 720) / 1440; }

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};
// A line is one pixel thick at 96 dpi, whichever way it runs, and as thick as 15 twips above.
PixelRect pixelRect(const Control &control, int dpi = 96);

const Control &control(std::string_view name);

// The control whose caption assistive technology reads as another's description: the note on
// the decimal separator, for the two boxes numbers are typed into.
struct Description {
    std::string_view control;
    std::string_view describedBy;
};
inline constexpr std::array<Description, 2> descriptions { {
    { "TxtPeso", "Label3" },
    { "TxtAltezza", "Label3" },
} };

// The label that names a text box for assistive technology: the one on its left.
const Control &labelOf(const Control &box);

// The order in which the controls are created, and so their z-order: the text boxes and
// buttons in tab order, each text box right after its label, then the other labels and the
// line, in the table's order. The focus moves along it; a screen reader finds each box's label
// just before it.
std::vector<const Control *> creationOrder();

} // namespace window
