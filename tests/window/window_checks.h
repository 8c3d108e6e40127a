#pragma once

// What the window must do for its user, whichever toolkit draws it, written once against a
// driver that reaches the window the way a user does. Each front end's test gives its driver
// and calls these checks; what only one toolkit can show stays in that front end's test.
#include "window/colours.h"
#include "window/layout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using window::Rgb;
// A caption's pixels as a screen shows them, by rows of `width`.
struct Shot {
    std::vector<Rgb> pixels;
    int width;
};
// What of them is ink, unlike the background, the first pixel: the rows and columns from the
// first inked to the last, how many runs of inked rows they make (lines of text), and the
// colour most distinct from the background, with its contrast.
struct Ink {
    int top = -1, bottom = -1, left = 1 << 30, right = -1, lines = 0;
    Rgb colour {};
    double contrast = 1;
};
inline Ink inkOf(const Shot &shot)
{
    Ink ink;
    for (int i = 0; i < std::ssize(shot.pixels); ++i) {
        const Rgb pixel = shot.pixels[i], background = shot.pixels.front();
        const int x = i % shot.width, y = i / shot.width;
        if (pixel == background)
            continue;
        ink.lines += ink.bottom < 0 || y > ink.bottom + 1;
        ink.top = ink.top < 0 ? y : ink.top;
        ink.bottom = y;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        const double contrast = window::contrastRatio(pixel, background);
        if (contrast > ink.contrast)
            ink = { ink.top, ink.bottom, ink.left, ink.right, ink.lines, pixel, contrast };
    }
    return ink;
}

// The window at 96 dpi: each control's place in pixels, its caption, the font the window asks
// for, and for a text box the label that names it.
struct ExpectedControl {
    const char *name;
    window::Kind kind;
    const char *caption; // UTF-8
    int left;
    int top;
    int width;
    int height;
    const char *family;
    double points;
    bool bold;
    bool italic;
    bool centred;
    bool highlighted; // a label in the highlight colour, not the desktop's
    const char *label; // a text box's, by its caption; otherwise none
};

using K = window::Kind; // the table's second column
// clang-format off
// name               kind         caption                                             left  top width height family           points bold   italic centred highlight label
inline constexpr ExpectedControl expectedControls[] = {
    { "LBLIntestazione", K::Label,    "INDICE DI MASSA CORPOREA",                           24,  16, 313, 20, "MS Sans Serif", 12.0, true , false, true , true , nullptr },
    { "Label3",          K::Label,    "Utilizzare il punto come separatore dei decimali",   24,  48, 313, 20, "MS Sans Serif", 8.25, false, false, true , true , nullptr },
    { "LBLPeso",         K::Label,    "PESO REALE   Kg",                                    88,  72, 121, 17, "MS Sans Serif", 9.75, false, false, false, false, nullptr },
    { "TxtPeso",         K::TextBox,  "",                                                  216,  72,  57, 17, "MS Sans Serif", 8.25, false, false, false, false, "PESO REALE   Kg" },
    { "LBLAltezza",      K::Label,    "ALTEZZA           m  ",                              88, 112, 121, 17, "MS Sans Serif", 9.75, false, false, false, false, nullptr },
    { "TxtAltezza",      K::TextBox,  "",                                                  216, 112,  57, 17, "MS Sans Serif", 8.25, false, false, false, false, "ALTEZZA           m  " },
    { "Label4",          K::Label,    "Peso Reale    [Kg]",                                160, 152, 113, 17, "MS Sans Serif", 9.75, false, false, false, false, nullptr },
    { "Label6",          K::Label,    "Formula Utilizzata  :",                              32, 168, 121, 17, "MS Sans Serif", 9.75, false, false, false, false, nullptr },
    { "Label5",          K::Label,    "Altezza \u00b2     [m\u00b2]",                      168, 184,  97, 17, "MS Sans Serif", 9.75, false, false, false, false, nullptr },
    { "CmdCalcola",      K::Button,   "Calcola",                                           136, 224,  81, 25, "MS Sans Serif", 9.75, false, false, true , false, nullptr },
    { "LBLFattore",      K::Label,    "Fattore Peso",                                       88, 272, 121, 17, "MS Sans Serif", 9.75, false, false, false, false, nullptr },
    { "TxtFattore",      K::TextBox,  "",                                                  216, 272,  57, 17, "MS Sans Serif", 8.25, false, false, false, false, "Fattore Peso" },
    { "CmdCancella",     K::Button,   "Cancella",                                           48, 320,  81, 25, "MS Sans Serif", 9.75, false, false, true , false, nullptr },
    { "CmdUscita",       K::Button,   "Uscita",                                            224, 320,  81, 25, "MS Sans Serif", 9.75, false, false, true , false, nullptr },
    { "Label2",          K::Label,    "Versione 1.2",                                      136, 352,  93, 23, "Verdana",       9.75, true , false, false, true , nullptr },
    { "Label1",          K::Label,    "By Quellbrin",                                      112, 376, 141, 23, "Verdana",       9.75, false, true , false, true , nullptr },
};
// clang-format on

inline constexpr const char *expectedTabOrder[]
    = { "TxtPeso", "CmdUscita", "CmdCalcola", "CmdCancella", "TxtAltezza", "TxtFattore" };

enum class Key { Tab, BackTab, Enter, Escape, Space };

// The window as a user reaches it. Text is UTF-8; a message is "title: text", and
// " (critical)" after it where the box shows the critical icon rather than the information one.
class WindowDriver {
public:
    virtual ~WindowDriver() = default;
    // A new window, shown, with nothing typed.
    virtual void start() = 0;
    virtual std::string title() = 0;
    virtual std::vector<int> clientSize() = 0; // in pixels of `dpi`
    // A label as the screen shows it, in the screen's pixels, `scale` to a pixel of 96 dpi.
    virtual Shot shot(const ExpectedControl &label) = 0;
    // What only this toolkit shows of a control: its font, its colour, what a screen reader
    // finds.
    virtual void checkLooks(const ExpectedControl &control) = 0;
    virtual std::vector<int> place(const ExpectedControl &control) = 0; // left top width height
    virtual std::string text(const ExpectedControl &control) = 0;
    // The index of the character a text box shows at its left edge.
    virtual int firstShown(const char *box) = 0;
    // Whether each pixel of a rectangle of the window shows the window-text colour, by row.
    virtual std::vector<bool> inWindowText(int left, int top, int width, int height) = 0;
    virtual std::string focus() = 0; // the name of the control that has it
    virtual void key(Key key) = 0; // Tab and BackTab return once the focus has moved
    virtual void type(const char *box, const char *text) = 0;
    // What `action` makes the window show, box after box, each read and dismissed with OK.
    virtual std::vector<std::string> messages(std::size_t count, std::function<void()> action) = 0;
    virtual void click(const char *button) = 0;
    // Ends the program with Uscita or with the close box, and gives its exit status.
    virtual int end(bool closeBox) = 0;
    std::string decimalSeparator = "."; // the result's, where the window is run
    int dpi = 96; // of the window's pixels, where places are measured
    double scale = 1; // the screen's pixels to a pixel of 96 dpi, where ink is measured
    double legible = window::legibleContrast; // of a label's text as drawn, at least

    const ExpectedControl &control(std::string_view name) const
    {
        return *std::ranges::find(expectedControls, name, &ExpectedControl::name);
    }
    std::string text(std::string_view name) { return text(control(name)); }
    std::vector<std::string> press(const char *button, std::size_t count)
    {
        return messages(count, [=, this] { click(button); });
    }
};

inline const std::string weightWarning
    = "Attenzione !!!: Il valore del peso deve essere maggiore di zero";
inline const std::string heightWarning
    = "Attenzione !!!: Il valore dell'altezza deve essere maggiore di zero";
inline const std::string classMessage = "Indicazione Stato Fisico: Lo Stato Fisico \u00e8 : ";

// The window 361 by 414 pixels at 96 dpi; each control at its place with its caption, each
// label's on one line, as high as its font at the screen's scale (a raster font that is not
// scaled stays as high as at 96 dpi), legible, and centred or not; the fraction bar one pixel
// thick, in the window-text colour, from x 160 to 263 at y 176. Twips made pixels at the window's
// dpi.
inline void checkControls(WindowDriver &window)
{
    const auto px = [&](int pixelsAt96) { return (pixelsAt96 * 15 * window.dpi + 720) / 1440; };
    window.start();
    EXPECT_EQ(window.title(), "Indice di Massa Corporea");
    EXPECT_EQ(window.clientSize(), std::vector({ px(361), px(414) }));
    for (const ExpectedControl &control : expectedControls) {
        SCOPED_TRACE(control.name);
        EXPECT_EQ(window.place(control),
            std::vector(
                { px(control.left), px(control.top), px(control.width), px(control.height) }));
        EXPECT_EQ(window.text(control), control.caption);
        window.checkLooks(control);
        // A label's text from 0.8 to 2 times its font's size in points high, in pixels.
        if (control.kind == K::Label) {
            const Shot shot = window.shot(control);
            const Ink ink = inkOf(shot);
            EXPECT_EQ(ink.lines, 1);
            EXPECT_GT(ink.bottom - ink.top + 1, 0.8 * control.points * window.scale);
            EXPECT_LT(ink.bottom - ink.top + 1, 2 * control.points * window.scale);
            EXPECT_GE(ink.contrast, window.legible);
            // Centred, or from the left edge, within a twentieth of its width (letters' sides
            // are not all alike).
            const int gap = control.centred ? shot.width - 1 - ink.right : 0;
            EXPECT_LE(std::abs(ink.left - gap), std::max(2 * window.scale, shot.width / 20.0));
        }
    }
    const int left = px(160), top = px(176), width = px(104), thickness = px(1);
    const std::vector<bool> bar = window.inWindowText(left - 1, top - 1, width + 2, thickness + 2);
    for (int i = 0; i < std::ssize(bar); ++i) {
        const int x = i % (width + 2) - 1, y = i / (width + 2) - 1;
        EXPECT_EQ(bar[i], x >= 0 && x < width && y >= 0 && y < thickness) << i;
    }
}

// Tab and Shift+Tab follow the tab order, past every label, and wrap. Escape does nothing
// wherever the focus is, nor Enter in a text box: no button has a default or a cancel role. A
// focused button is pressed by Space and by Enter, as the platform's buttons are.
inline void checkKeyboard(WindowDriver &window)
{
    window.start();
    const int stops = static_cast<int>(std::size(expectedTabOrder));
    EXPECT_EQ(window.focus(), expectedTabOrder[0]);
    const auto roundTrip = [&] {
        for (int step = 1; step <= 2 * stops; ++step) {
            window.key(Key::Escape);
            if (window.control(window.focus()).label)
                window.key(Key::Enter);
            const bool forward = step <= stops;
            window.key(forward ? Key::Tab : Key::BackTab);
            EXPECT_EQ(
                window.focus(), expectedTabOrder[(forward ? step : 2 * stops - step) % stops]);
        }
    };
    EXPECT_TRUE(window.messages(0, roundTrip).empty());
    window.key(Key::Tab);
    window.key(Key::Tab);
    for (const Key key : { Key::Space, Key::Enter })
        EXPECT_EQ(window.messages(2, [&] { window.key(key); }),
            std::vector({ weightWarning, heightWarning }));
}

// Each button on a fresh window with the boxes as typed: the messages in order, the result box
// afterwards, and then the program goes on and answers the next press.
inline void checkButtons(WindowDriver &window)
{
    const std::string error = "Indice di Massa Corporea: Errore di run-time ";
    const struct {
        const char *weight, *height, *button;
        std::vector<std::string> messages;
        std::string result;
    } presses[] = {
        // clang-format off
        { "70",   "1.75",   "CmdCalcola",  { classMessage + "di Peso Forma" },  "22" + window.decimalSeparator + "85714" },
        { "70",   "175",    "CmdCalcola",  { classMessage + "di Grave Magrezza" }, "0" + window.decimalSeparator + "002285714" },
        { "70",   "1,75",   "CmdCalcola",  { classMessage + "di Super Obeso" }, "70" },
        { "",     "",       "CmdCalcola",  { weightWarning, heightWarning },    "" },
        { "1e40", "1.75",   "CmdCalcola",  { error + "'6':\n\nOverflow (critical)" }, "" },
        { "70",   "1e-200", "CmdCalcola",  { error + "'11':\n\nDivisione per zero (critical)" }, "" },
        { "70",   "1.75",   "CmdCancella", {},                                  " " },
        // clang-format on
    };
    for (const auto &press : presses) {
        SCOPED_TRACE(std::string(press.weight) + " / " + press.height + " " + press.button);
        window.start();
        window.type("TxtPeso", press.weight);
        window.type("TxtAltezza", press.height);
        EXPECT_EQ(window.press(press.button, press.messages.size()), press.messages);
        EXPECT_EQ(window.text("TxtFattore"), press.result);
        EXPECT_EQ(window.firstShown("TxtFattore"), 0); // read from its start
        // Clear blanks the input boxes as well; Calcola leaves them as typed.
        EXPECT_EQ(window.text("TxtPeso") + window.text("TxtAltezza"),
            press.messages.empty() ? "  " : std::string(press.weight) + press.height);
        window.type("TxtPeso", "-1");
        window.type("TxtAltezza", "1");
        EXPECT_EQ(window.press("CmdCalcola", 1), std::vector({ weightWarning }));
    }
}

// Uscita and the close box end the program at once, with exit status 0 and nothing asked,
// before any press and after a press has run to its end.
inline void checkEnd(WindowDriver &window)
{
    for (const int run : { 0, 1, 2, 3 }) {
        const bool closeBox = run & 1, pressed = run & 2;
        SCOPED_TRACE(run); // 1 and 3 by the close box; 2 and 3 after a press
        window.start();
        if (pressed) // both boxes empty: two warnings
            window.press("CmdCalcola", 2);
        EXPECT_EQ(window.end(closeBox), 0);
    }
}
