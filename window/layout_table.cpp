#include "window/layout_table.h"

#include <QRect>

namespace window {

// clang-format off
const std::array<Control, 17> layoutTable { {
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

QRect pixelRect(const Control &control)
{
    // A line is one pixel thick, whichever way it runs.
    const int extra = control.kind == Kind::Line ? 1 : 0;
    return { toPixels(control.left), toPixels(control.top),
        std::max(toPixels(control.width), extra), std::max(toPixels(control.height), extra) };
}

} // namespace window
