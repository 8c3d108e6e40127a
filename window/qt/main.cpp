#include "window/qt/application.h"
#include "window/qt/tellun.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr const char *headless
    = "Run it in a desktop session, or without one on a virtual display: xvfb-run -a imc\n";

// Whether the command line names the platform or the display, as Qt's own options do
// ("-platform offscreen", "-display :1"): then Qt alone decides whether it can start.
bool platformOnCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        std::string_view option = argv[i];
        if (option.starts_with("--"))
            option.remove_prefix(1);
        if (option == "-platform" || option.starts_with("-platform=") || option == "-display")
            return true;
    }
    return false;
}

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
    // platform (QT_QPA_PLATFORM or -platform: offscreen, vnc, ...) needs no display of its own.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")
        && !std::getenv("WAYLAND_DISPLAY") && !platformOnCommandLine(argc, argv)) {
        std::fprintf(
            stderr, "imc: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n%s", headless);
        return 2;
    }
    qInstallMessageHandler(openingTheDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    window::installItalianTranslations();
    window::Tellun tellun;
    window::showAsApplication(tellun);
    return QApplication::exec();
}
