// The window's controls and tab order as every front end's test expects them
// (tests/window/window_checks.h), as JSON for the page's test.
#include "tests/window/window_checks.h"

#include <cstdio>

int main()
{
    std::printf("{\"controls\": [\n");
    for (const ExpectedControl &c : expectedControls) {
        std::printf(
            "%s{\"name\": \"%s\", \"kind\": %d, \"caption\": \"%s\", \"place\": [%d, %d, %d, "
            "%d], \"family\": \"%s\", \"pixels\": %g, \"bold\": %d, \"italic\": %d, "
            "\"label\": \"%s\"}\n",
            &c == expectedControls ? "" : ",", c.name, static_cast<int>(c.kind), c.caption, c.left,
            c.top, c.width, c.height, c.family, c.points * 4 / 3, c.bold, c.italic,
            c.label ? c.label : "");
    }
    std::printf("], \"tabOrder\": [");
    for (const char *name : expectedTabOrder)
        std::printf("%s\"%s\"", name == expectedTabOrder[0] ? "" : ", ", name);
    std::printf("]}\n");
}
