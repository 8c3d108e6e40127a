// Writes the window as a web page, at build time, into the current folder: index.html (the
// controls in their order, named and described as the window's description relates them, the
// label in the heading's font as the page's heading, and the message box), imc.css (their
// places, fonts and colours) and manifest.webmanifest. The page is drawn whole before its
// module has arrived, and busy until then; imc.js wires it to the commands.
#include "window/colours.h"
#include "window/layout.h"
#include "window/stand_ins.h"

#include <array>
#include <cstdio>
#include <initializer_list>
#include <string>

namespace {

using namespace window;

// `text` with each "@1", "@2", ... replaced by the value of that rank (at most nine).
std::string fill(std::string_view text, std::initializer_list<std::string> values)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t rank = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : 9;
        if (text[i] == '@' && rank < values.size()) {
            out += values.begin()[rank];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// A colour as CSS writes it.
std::string hex(Rgb c)
{
    const char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (const int v : { c.red, c.green, c.blue })
        out += { digits[v / 16], digits[v % 16] };
    return out;
}
std::string px(int pixels) { return "calc(" + std::to_string(pixels) + " * var(--px))"; }

// The page's own colours in a light and a dark scheme: the window's background and text, and
// the two system colours of the labels (Windows 10's highlight, the desktop's stand-in), made
// readable on that background by the window's one colour rule.
struct Scheme {
    Rgb window;
    Rgb text;
};
constexpr Scheme light { { 240, 240, 240 }, { 0, 0, 0 } };
constexpr Scheme dark { { 32, 32, 32 }, { 255, 255, 255 } };
constexpr Rgb highlight { 0, 120, 215 };

std::string colours(const Scheme &scheme)
{
    return fill("--window: @1; --text: @2; --highlight: @3; --desktop: @4;",
        { hex(scheme.window), hex(scheme.text), hex(readableOn(highlight, scheme.window)),
            hex(readableOn(desktopStandIn, scheme.window)) });
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Each text box's attributes from the rows related to it: the calculate command's box it is,
// the label that names it, the note that describes it; one walk of the table, as the Qt window
// wires the same relations.
std::array<std::string, layoutTable.size()> boxAttributes()
{
    std::array<std::string, layoutTable.size()> attributes;
    for (int row = 0; row < rowCount; ++row) {
        const Control &c = layoutTable[static_cast<std::size_t>(row)];
        const std::string id(c.name);
        if (c.link.box)
            attributes[static_cast<std::size_t>(row)]
                += " data-box=\"" + std::to_string(static_cast<int>(*c.link.box)) + '"';
        if (c.link.names != row::none)
            attributes[static_cast<std::size_t>(c.link.names)] += " aria-labelledby=\"" + id + '"';
        for (const int box : c.link.describes) {
            if (box != row::none)
                attributes[static_cast<std::size_t>(box)] += " aria-describedby=\"" + id + '"';
        }
    }
    attributes[static_cast<std::size_t>(openingFocus)] += " autofocus";
    return attributes;
}

// A control's element, in the page's order (the window's creation order, which is the tab
// order, each box right after the label that names it).
std::string element(int row, const std::array<std::string, layoutTable.size()> &attributes)
{
    const Control &c = layoutTable[static_cast<std::size_t>(row)];
    const std::string id(c.name);
    switch (c.kind) {
    case Kind::TextBox:
        return fill(R"(<input id="@1" type="text" autocomplete="off" spellcheck="false" )"
                    R"(autocapitalize="off"@2>)",
            { id, attributes[static_cast<std::size_t>(row)] });
    case Kind::Button:
        return fill(R"(<button id="@1" type="button" data-command="@2">@3</button>)",
            { id, std::to_string(static_cast<int>(c.link.command)), escaped(c.caption) });
    case Kind::Label: // the one in the heading's font is the page's heading
        return fill(
            c.font == &headingFont ? R"(<h1 id="@1">@2</h1>)" : R"(<span id="@1">@2</span>)",
            { id, escaped(c.caption) });
    case Kind::Line:
        return fill(R"(<div id="@1" aria-hidden="true"></div>)", { id });
    }
    return {};
}

std::string family(const FontSpec &font)
{
    return fill(R"("@1", "@2", sans-serif)",
        { std::string(font.family), std::string(standInFor(font.family)) });
}

// A control's place and look; sizes in the window's pixels (15 twips each), which the page
// makes smaller only where the screen is narrower than the window.
std::string rule(const Control &c)
{
    const PixelRect r = pixelRect(c);
    std::string rule = fill("#@1 { left: @2; top: @3; width: @4; height: @5;",
        { std::string(c.name), px(r.left), px(r.top), px(r.width), px(r.height) });
    if (c.font) { // the window's sizes in points are whole pixels
        rule += fill(" font: @1@2@3 @4;",
            { c.font->italic ? "italic " : "", c.font->bold ? "bold " : "",
                px(static_cast<int>(c.font->points * 96 / 72)), family(*c.font) });
    }
    if (c.colour != Colour::Default)
        rule += c.colour == Colour::Highlight ? " color: var(--highlight);"
                                              : " color: var(--desktop);";
    if (c.kind == Kind::Label && c.align == Align::Centre)
        rule += " text-align: center;";
    return rule + " }\n";
}

bool write(const char *name, const std::string &text)
{
    std::FILE *const file = std::fopen(name, "wb");
    const bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return file && std::fclose(file) == 0 && written;
}

} // namespace

int main()
{
    std::string html = fill(R"(<!DOCTYPE html>
<html lang="it">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; connect-src 'self'; manifest-src 'self'; worker-src 'self'; base-uri 'none'; form-action 'none'">
<meta name="referrer" content="no-referrer">
<meta name="color-scheme" content="light dark">
<title>@1</title>
<link rel="stylesheet" href="imc.css">
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="org.example.Imc.svg" type="image/svg+xml">
<script src="imc.js" defer></script>
</head>
<body>
<main id="Tellun" aria-busy="true">
)",
        { escaped(caption) });
    const auto attributes = boxAttributes();
    for (const int row : creationOrder)
        html += element(row, attributes) + '\n';
    html += R"(</main>
<dialog id="box" role="alertdialog" aria-modal="true" aria-labelledby="boxTitle" aria-describedby="boxPrompt">
<div id="boxTitle"></div>
<div id="boxBody"><svg id="boxIcon" viewBox="0 0 32 32" role="img"><circle cx="16" cy="16" r="15"/><path id="boxSign"/></svg><p id="boxPrompt"></p></div>
<button id="boxOk" type="button">OK</button>
</dialog>
</body>
</html>
)";
    std::string css = fill(R"(/* Written with the page, from the window's description. */
:root { color-scheme: light dark; @1 }
@media (prefers-color-scheme: dark) { :root { @2 } }
html, body { margin: 0; background: var(--window); color: var(--text); }
#Tellun { --px: min(1px, 100vw / @3); position: relative; margin: 0 auto;
  width: calc(@3 * var(--px)); height: calc(@4 * var(--px)); }
#Tellun > * { position: absolute; box-sizing: border-box; margin: 0; white-space: pre; }
#Tellun > :is(span, h1) { display: block; overflow: visible; line-height: normal; }
#Tellun > input { padding: 0 calc(2 * var(--px)); }
#Tellun > button { padding: 0; }
#Tellun > div { background: var(--text); } /* a line */
)",
        { colours(light), colours(dark), std::to_string(toPixels(clientWidth)),
            std::to_string(toPixels(clientHeight)) });
    for (const Control &c : layoutTable)
        css += rule(c);
    css += R"(#box { padding: 0; border: 1px solid; background: var(--window); color: var(--text);
  font: 13px "MS Sans Serif", "Liberation Sans", sans-serif; min-width: 200px; max-width: calc(100vw - 32px); }
#box::backdrop { background: transparent; }
#boxTitle { padding: 6px 8px; white-space: pre; border-bottom: 1px solid GrayText; }
#boxBody { display: flex; align-items: center; gap: 12px; padding: 12px 16px; }
#boxIcon { flex: none; width: 32px; height: 32px; }
#boxIcon circle { fill: #0061af; }
#boxIcon path { stroke: #fff; stroke-width: 3; fill: none; }
#box.critical #boxIcon circle { fill: #c42b1c; }
#boxPrompt { margin: 0; white-space: pre-wrap; }
#boxOk { display: block; margin: 0 auto 12px; min-width: 81px; min-height: 25px; font: inherit; }
@media (forced-colors: active) {
  #Tellun > :is(span, h1) { color: CanvasText; }
  #Tellun > div { background: CanvasText; }
  #boxIcon circle { fill: CanvasText; }
  #boxIcon path { stroke: Canvas; }
}
)";
    const std::string manifest = fill(R"({
  "name": "@1",
  "short_name": "IMC",
  "lang": "it",
  "start_url": "./",
  "scope": "./",
  "display": "standalone",
  "background_color": "@2",
  "theme_color": "@2",
  "icons": [
    { "src": "org.example.Imc.svg", "sizes": "any", "type": "image/svg+xml" },
    { "src": "org.example.Imc-256.png", "sizes": "256x256", "type": "image/png" }
  ]
}
)",
        { std::string(caption), hex(light.window) });
    if (write("index.html", html) && write("imc.css", css)
        && write("manifest.webmanifest", manifest))
        return 0;
    std::perror("page");
    return 1;
}
