// The floor of the program's start-up: a bare Qt Widgets window with the same 17 widgets,
// made by the program's own factory, at the same places and in the same fonts, and an
// "Uscita" that quits. Nothing else: no handlers, focus order, colours, accessibility names,
// translations or icon.
#include "window/layout.h"
#include "window/qt/conversions.h"
#include "window/qt/widgets.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(window::toQString(window::caption));
    window.setFixedSize(
        window::toPixels(window::clientWidth), window::toPixels(window::clientHeight));
    for (const window::Control &control : window::layoutTable) {
        QWidget *widget = window::createWidget(control, &window);
        const window::PixelRect rect = window::pixelRect(control);
        widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
        if (control.font)
            widget->setFont(window::fontOf(*control.font));
        if (control.link.command == window::Command::Uscita)
            QObject::connect(static_cast<QPushButton *>(widget), &QPushButton::clicked, &app,
                &QCoreApplication::quit);
    }
    window.show();
    return QApplication::exec();
}
