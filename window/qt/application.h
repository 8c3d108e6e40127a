#pragma once

#include <QIcon>

class QWidget;

namespace window {

// The window's icon, drawn beforehand at the sizes window managers and docks use (16 to 256
// pixels). Its pixels were decoded when the program was built: nothing is decoded, and no
// image plugin loads, for it.
QIcon applicationIcon();

// Makes applicationIcon() the icon of every window once `window` has drawn its first frame.
// Writing the icon into the window system at all its sizes takes longer than a fifth of the
// start-up, and the window does not need its icon to be used.
void setApplicationIconAfterFirstFrame(QWidget &window);

// Qt's own texts (a text box's context menu, ...) in Italian, the program's language, whatever
// the locale, where Qt's translations are installed; in English where they are not. Before any
// window exists: installed later, the translations send every widget a change to react to.
void installItalianTranslations();

// Shows `window` as the program's: named by its desktop entry, which desktops match it with,
// and with its icon once its first frame is drawn.
void showAsApplication(QWidget &window);

} // namespace window
