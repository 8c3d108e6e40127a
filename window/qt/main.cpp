#include "window/qt/application.h"
#include "window/qt/tellun.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const bool x11 = std::getenv("DISPLAY");
    const bool wayland = std::getenv("WAYLAND_DISPLAY");
    // An explicit QT_QPA_PLATFORM (offscreen, vnc, ...) needs no display of its own.
    if (!std::getenv("QT_QPA_PLATFORM")) {
        if (!x11 && !wayland) {
            std::fputs("imc: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                       "Run it on a desktop, or headless with: xvfb-run -a ./run.sh\n",
                stderr);
            return 2;
        }
        if (!x11)
            qputenv("QT_QPA_PLATFORM", "wayland");
    }
    QApplication app(argc, argv);
    window::Tellun tellun;
    window::showAsApplication(tellun);
    return QApplication::exec();
}
