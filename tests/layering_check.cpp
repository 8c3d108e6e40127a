// Built by the test build.layering alone, which expects it not to build: code of the core
// cannot include the window's headers.
#include "window/layout.h"
