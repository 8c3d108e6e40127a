#pragma once

// Resource ids shared by imc.rc and the window: macros, which the resource compiler reads.
#define IMC_ICON 1 // NOLINT(modernize-macro-to-enum)
