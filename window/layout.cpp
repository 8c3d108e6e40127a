#include "window/layout.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace window {

// clang-format off
constexpr std::array<Control, 17> layoutTable { {
    // name              kind           caption                                              left   top  width height  tab  font          colour             align
    { "TxtFattore",      Kind::TextBox, "",                                                  3240, 4080,   855,  255,    10, &smallFont,   Colour::Default,   Align::Left   },
    { "TxtAltezza",      Kind::TextBox, "",                                                  3240, 1680,   855,  255,     9, &smallFont,   Colour::Default,   Align::Left   },
    { "CmdCancella",     Kind::Button,  "Cancella",                                           720, 4800,  1215,  375,     5, &captionFont, Colour::Default,   Align::Centre },
    { "CmdCalcola",      Kind::Button,  "Calcola",                                           2040, 3360,  1215,  375,     4, &captionFont, Colour::Default,   Align::Centre },
    { "CmdUscita",       Kind::Button,  "Uscita",                                            3360, 4800,  1215,  375,     3, &captionFont, Colour::Default,   Align::Centre },
    { "TxtPeso",         Kind::TextBox, "",                                                  3240, 1080,   855,  255,     2, &smallFont,   Colour::Default,   Align::Left   },
    { "Label6",          Kind::Label,   "Formula Utilizzata  :",                              480, 2520,  1815,  255,    15, &captionFont, Colour::Desktop,   Align::Left   },
    { "Label5",          Kind::Label,   "Altezza \u00b2     [m\u00b2]",                     2520, 2760,  1455,  255,    14, &captionFont, Colour::Desktop,   Align::Left   },
    { "Label4",          Kind::Label,   "Peso Reale    [Kg]",                                2400, 2280,  1695,  255,    13, &captionFont, Colour::Desktop,   Align::Left   },
    { "Line1",           Kind::Line,    "",                                                  2400, 2640,  1560,    0, noTab, nullptr,      Colour::Default,   Align::Left   },
    { "Label3",          Kind::Label,   "Utilizzare il punto come separatore dei decimali",   360,  720,  4695,  300,    12, &smallFont,   Colour::Highlight, Align::Centre },
    { "LBLFattore",      Kind::Label,   "Fattore Peso",                                      1320, 4080,  1815,  255,    11, &captionFont, Colour::Desktop,   Align::Left   },
    { "LBLAltezza",      Kind::Label,   "ALTEZZA           m  ",                             1320, 1680,  1815,  255,     8, &captionFont, Colour::Desktop,   Align::Left   },
    { "Label1",          Kind::Label,   "By Quellbrin",                                      1680, 5640,  2115,  345,     7, &creditFont,  Colour::Highlight, Align::Left   },
    { "Label2",          Kind::Label,   "Versione 1.2",                                      2040, 5280,  1395,  345,     6, &versionFont, Colour::Highlight, Align::Left   },
    { "LBLPeso",         Kind::Label,   "PESO REALE   Kg",                                   1320, 1080,  1815,  255,     1, &captionFont, Colour::Desktop,   Align::Left   },
    { "LBLIntestazione", Kind::Label,   "INDICE DI MASSA CORPOREA",                           360,  240,  4695,  300,     0, &headingFont, Colour::Highlight, Align::Centre },
} };
// clang-format on

namespace {

// Label2's caption is written out as the window shows it; it must name the version being built.
static_assert(std::ranges::any_of(layoutTable,
                  [](const Control &c) { return c.caption == "Versione " IMC_VERSION; }),
    "Label2 names another version than the project's");

// Every coordinate lies on the pixel grid of 96 dpi, so that no control straddles a pixel.
constexpr int twipsPerPixel = 15;
static_assert(std::ranges::all_of(layoutTable, [](const Control &c) {
    return std::ranges::all_of(std::array { c.left, c.top, c.width, c.height },
        [](int twips) { return twips % twipsPerPixel == 0; });
}));

// The tab indexes are 0 to 15, each once; the line has none (noTab, -1, sorts first).
static_assert([] {
    std::array<int, layoutTable.size()> tabs {}, expected {};
    std::ranges::transform(layoutTable, tabs.begin(), &Control::tabIndex);
    std::ranges::sort(tabs);
    std::iota(expected.begin(), expected.end(), noTab);
    return tabs == expected;
}());

} // namespace

PixelRect pixelRect(const Control &control, int dpi)
{
    const int thickness = control.kind == Kind::Line ? toPixels(twipsPerPixel, dpi) : 0;
    return { toPixels(control.left, dpi), toPixels(control.top, dpi),
        std::max(toPixels(control.width, dpi), thickness),
        std::max(toPixels(control.height, dpi), thickness) };
}

const Control &control(std::string_view name)
{
    const auto *found = std::ranges::find(layoutTable, name, &Control::name);
    if (found == layoutTable.end())
        throw std::invalid_argument("no such control");
    return *found;
}

const Control &labelOf(const Control &box)
{
    for (const Control &label : layoutTable) {
        if (label.kind == Kind::Label && label.top == box.top && label.left < box.left)
            return label;
    }
    throw std::invalid_argument("a text box without its label");
}

std::vector<const Control *> creationOrder()
{
    std::vector<const Control *> focusable, others;
    for (const Control &c : layoutTable)
        (takesFocus(c) ? focusable : others).push_back(&c);
    std::ranges::sort(focusable, {}, &Control::tabIndex);

    std::vector<const Control *> order;
    for (const Control *c : focusable) {
        if (c->kind == Kind::TextBox) {
            const Control *label = &labelOf(*c);
            std::erase(others, label);
            order.push_back(label);
        }
        order.push_back(c);
    }
    order.insert(order.end(), others.begin(), others.end());
    return order;
}

} // namespace window
