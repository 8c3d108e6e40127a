#pragma once

#include <QByteArrayView>
#include <QIcon>

class QWidget;

namespace window {

// The window's icon, drawn beforehand at the sizes window managers and docks use (16 to 256
// pixels), as X11 keeps it: each size's width, height and pixels, 32-bit numbers 0xAARRGGBB.
// It was decoded when the program was built, so nothing is decoded, and no image plugin loads,
// for it.
QByteArrayView iconAsX11KeepsIt();
QIcon applicationIcon(); // the same, for Qt

// Gives `window` the icon. On X11 it is written to the window as it lies in the program: set
// through Qt, each size would be converted twice and every widget of the window drawn again.
void setIcon(QWidget &window);

// Gives `window` its icon once it has drawn its first frame: the icon is not needed to use the
// window, and writing it at all its sizes would hold that frame up.
void setIconAfterFirstFrame(QWidget &window);

// Qt's own texts (a text box's context menu, ...) in Italian, the program's language, whatever
// the locale, where Qt's translations are installed; in English where they are not. Before any
// window exists: installed later, the translations send every widget a change to react to.
void installItalianTranslations();

// Shows `window` as the program's: named by its desktop entry, which desktops match it with,
// and with its icon once its first frame is drawn.
void showAsApplication(QWidget &window);

} // namespace window
