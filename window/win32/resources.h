#pragma once

// Resource ids shared by imc.rc and the window.
#define IMC_ICON 1
