#pragma once

#include <QIcon>

namespace window {

// The program's icon, drawn beforehand at every size the desktop asks for (16 to 256 pixels).
// The sizes are PNG, which Qt reads by itself, so no image plugin loads at start-up.
QIcon applicationIcon();

} // namespace window
