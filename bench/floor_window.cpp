// The floor of the program's start-up: a bare Qt Widgets window with the same 17 widgets at
// the same places and in the same fonts, and an "Uscita" that quits. Nothing else: no
// handlers, focus order, colours, accessibility names or icon.
#include "window/layout.h"
#include "window/qt/conversions.h"
#include "window/stand_ins.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The family each of the program's fonts resolves to.
QString resolvedFamily(std::string_view family)
{
    return window::toQString(window::standInFor(family));
}

QWidget *createWidget(const window::Control &control, QWidget *parent)
{
    const QString caption = window::toQString(control.caption);
    switch (control.kind) {
    case window::Kind::TextBox:
        return new QLineEdit(parent);
    case window::Kind::Button:
        return new QPushButton(caption, parent);
    case window::Kind::Label:
        return new QLabel(caption, parent);
    case window::Kind::Line: {
        auto *line = new QFrame(parent);
        line->setFrameStyle(QFrame::HLine | QFrame::Plain);
        return line;
    }
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(window::toQString(window::caption));
    window.setFixedSize(
        window::toPixels(window::clientWidth), window::toPixels(window::clientHeight));
    for (const window::Control &control : window::layoutTable) {
        QWidget *widget = createWidget(control, &window);
        const window::PixelRect rect = window::pixelRect(control);
        widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
        if (control.font) {
            QFont font(resolvedFamily(control.font->family));
            font.setPointSizeF(control.font->points);
            font.setBold(control.font->bold);
            font.setItalic(control.font->italic);
            widget->setFont(font);
        }
        if (control.link.command == window::Command::Uscita)
            QObject::connect(static_cast<QPushButton *>(widget), &QPushButton::clicked, &app,
                &QCoreApplication::quit);
    }
    window.show();
    return QApplication::exec();
}
