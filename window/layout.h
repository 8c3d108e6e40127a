#pragma once

#include "calc/form.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

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

// What a button does.
enum class Command { None, Calcola, Cancella, Uscita };

// The rows of the layout table, in its order, for the relations between its controls.
namespace row {
enum : int {
    TxtFattore,
    TxtAltezza,
    CmdCancella,
    CmdCalcola,
    CmdUscita,
    TxtPeso,
    Label6,
    Label5,
    Label4,
    Line1,
    Label3,
    LBLFattore,
    LBLAltezza,
    Label1,
    Label2,
    LBLPeso,
    LBLIntestazione,
};
inline constexpr int none = -1;
} // namespace row

// What a control is to the others, or does: at most one of these a row.
struct Link {
    int names = row::none; // a label: the row of the text box it names
    std::array<int, 2> describes { row::none, row::none }; // the note: the boxes it describes
    std::optional<calc::TextBox> box; // a text box: the calculate command's box it is
    Command command = Command::None; // a button: what it does
};
constexpr Link names(int box)
{
    Link link;
    link.names = box;
    return link;
}
constexpr Link describes(int first, int second)
{
    Link link;
    link.describes = { first, second };
    return link;
}
constexpr Link isBox(calc::TextBox box)
{
    Link link;
    link.box = box;
    return link;
}
constexpr Link does(Command command)
{
    Link link;
    link.command = command;
    return link;
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
    Link link;
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
// clang-format off
using Table = std::array<Control, 17>;
inline constexpr Table layoutTable { {
    // name              kind           caption                                              left   top  width height  tab  font          colour             align          link
    { "TxtFattore",      Kind::TextBox, "",                                                  3240, 4080,   855,  255,    10, &smallFont,   Colour::Default,   Align::Left,   isBox(calc::TextBox::TxtFattore) },
    { "TxtAltezza",      Kind::TextBox, "",                                                  3240, 1680,   855,  255,     9, &smallFont,   Colour::Default,   Align::Left,   isBox(calc::TextBox::TxtAltezza) },
    { "CmdCancella",     Kind::Button,  "Cancella",                                           720, 4800,  1215,  375,     5, &captionFont, Colour::Default,   Align::Centre, does(Command::Cancella) },
    { "CmdCalcola",      Kind::Button,  "Calcola",                                           2040, 3360,  1215,  375,     4, &captionFont, Colour::Default,   Align::Centre, does(Command::Calcola) },
    { "CmdUscita",       Kind::Button,  "Uscita",                                            3360, 4800,  1215,  375,     3, &captionFont, Colour::Default,   Align::Centre, does(Command::Uscita) },
    { "TxtPeso",         Kind::TextBox, "",                                                  3240, 1080,   855,  255,     2, &smallFont,   Colour::Default,   Align::Left,   isBox(calc::TextBox::TxtPeso) },
    { "Label6",          Kind::Label,   "Formula Utilizzata  :",                              480, 2520,  1815,  255,    15, &captionFont, Colour::Desktop,   Align::Left,   {} },
    { "Label5",          Kind::Label,   "Altezza \u00b2     [m\u00b2]",                     2520, 2760,  1455,  255,    14, &captionFont, Colour::Desktop,   Align::Left,   {} },
    { "Label4",          Kind::Label,   "Peso Reale    [Kg]",                                2400, 2280,  1695,  255,    13, &captionFont, Colour::Desktop,   Align::Left,   {} },
    { "Line1",           Kind::Line,    "",                                                  2400, 2640,  1560,    0, noTab, nullptr,      Colour::Default,   Align::Left,   {} },
    { "Label3",          Kind::Label,   "Utilizzare il punto come separatore dei decimali",   360,  720,  4695,  300,    12, &smallFont,   Colour::Highlight, Align::Centre, describes(row::TxtPeso, row::TxtAltezza) },
    { "LBLFattore",      Kind::Label,   "Fattore Peso",                                      1320, 4080,  1815,  255,    11, &captionFont, Colour::Desktop,   Align::Left,   names(row::TxtFattore) },
    { "LBLAltezza",      Kind::Label,   "ALTEZZA           m  ",                             1320, 1680,  1815,  255,     8, &captionFont, Colour::Desktop,   Align::Left,   names(row::TxtAltezza) },
    { "Label1",          Kind::Label,   "By Quellbrin",                                      1680, 5640,  2115,  345,     7, &creditFont,  Colour::Highlight, Align::Left,   {} },
    { "Label2",          Kind::Label,   "Versione 1.2",                                      2040, 5280,  1395,  345,     6, &versionFont, Colour::Highlight, Align::Left,   {} },
    { "LBLPeso",         Kind::Label,   "PESO REALE   Kg",                                   1320, 1080,  1815,  255,     1, &captionFont, Colour::Desktop,   Align::Left,   names(row::TxtPeso) },
    { "LBLIntestazione", Kind::Label,   "INDICE DI MASSA CORPOREA",                           360,  240,  4695,  300,     0, &headingFont, Colour::Highlight, Align::Centre, {} },
} };
// clang-format on

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

// The row of the text box that is the calculate command's `box`, in `table`.
constexpr int rowOf(calc::TextBox box, const Table &table = layoutTable)
{
    return static_cast<int>(
        std::ranges::find(table, box, [](const Control &c) { return c.link.box; }) - table.begin());
}

// The order in which the controls are created, as rows, and so their z-order: the text boxes
// and buttons in tab order, each text box right after the label that names it, then the other
// labels and the line, in the table's order. The focus moves along it, starting at its first
// box; a screen reader finds each box's label just before it.
inline constexpr int rowCount = static_cast<int>(layoutTable.size());

constexpr std::array<int, layoutTable.size()> makeCreationOrder()
{
    std::array<int, layoutTable.size()> order {};
    std::size_t next = 0;
    std::array<bool, layoutTable.size()> placed {};
    for (int tab = 0; tab < rowCount; ++tab) {
        for (int i = 0; i < rowCount; ++i) {
            const Control &c = layoutTable[static_cast<std::size_t>(i)];
            if (c.tabIndex != tab || !takesFocus(c))
                continue;
            for (int label = 0; label < rowCount; ++label) {
                if (layoutTable[static_cast<std::size_t>(label)].link.names == i) {
                    order[next++] = label;
                    placed[static_cast<std::size_t>(label)] = true;
                }
            }
            order[next++] = i;
            placed[static_cast<std::size_t>(i)] = true;
        }
    }
    for (std::size_t i = 0; i < layoutTable.size(); ++i) {
        if (!placed[i])
            order[next++] = static_cast<int>(i);
    }
    return order;
}
inline constexpr std::array<int, layoutTable.size()> creationOrder = makeCreationOrder();
// The row that has the focus when the window opens: the first along that order to take it.
inline constexpr int openingFocus = *std::ranges::find_if(
    creationOrder, [](int r) { return takesFocus(layoutTable[static_cast<std::size_t>(r)]); });

} // namespace window
