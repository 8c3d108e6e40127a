#include "window/tellun.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // An explicit QT_QPA_PLATFORM (offscreen, vnc, ...) needs no display of its own.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")
        && !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("imc: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Run it on a desktop, or headless with: xvfb-run -a ./run.sh\n",
            stderr);
        return 2;
    }
    QApplication app(argc, argv);
    window::Tellun tellun;
    tellun.show();
    return QApplication::exec();
}
