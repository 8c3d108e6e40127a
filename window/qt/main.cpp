#include "window/qt/application.h"
#include "window/qt/tellun.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char *headless = "Run it on a desktop, or headless with: xvfb-run -a ./run.sh\n";

// While Qt opens the display: where it cannot, Qt would abort the program and suggest
// reinstalling it. Say what is wrong instead, and end as when there is no display.
void openingTheDisplay(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    std::fprintf(stderr, "imc: cannot open the display (DISPLAY=%s, WAYLAND_DISPLAY=%s).\n%s",
        qPrintable(qEnvironmentVariable("DISPLAY")),
        qPrintable(qEnvironmentVariable("WAYLAND_DISPLAY")), headless);
    std::_Exit(2);
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt takes X11 where DISPLAY is set, Wayland where only WAYLAND_DISPLAY is; an explicit
    // QT_QPA_PLATFORM (offscreen, vnc, ...) needs no display of its own.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")
        && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(
            stderr, "imc: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n%s", headless);
        return 2;
    }
    qInstallMessageHandler(openingTheDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    window::Tellun tellun;
    window::showAsApplication(tellun);
    return QApplication::exec();
}
