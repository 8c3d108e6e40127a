#include "window/qt/widgets.h"

#include "window/qt/conversions.h"
#include "window/stand_ins.h"

#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace window {

namespace {

// The family asked for where the system has it, otherwise its stand-in, named directly: a
// family the system lacks sends Qt through fontconfig's fallbacks on every font it loads.
QString familyOf(const FontSpec &spec)
{
    QString family = toQString(spec.family);
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        return family;
    return toQString(standInFor(spec.family));
}

} // namespace

QFont fontOf(const FontSpec &spec)
{
    QFont font(familyOf(spec));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

QWidget *createWidget(const Control &control, QWidget *parent)
{
    switch (control.kind) {
    case Kind::TextBox: {
        auto *box = new QLineEdit(parent);
        // A line edit reports its caret the first time it takes the focus, before the focus
        // itself, and a screen reader then takes it for focused already and says nothing.
        // Placing the caret now spends that first report before anyone listens.
        box->setCursorPosition(0);
        return box;
    }
    case Kind::Button: {
        // Space and Enter press the focused button, as on every desktop; outside a dialog no
        // button is the default, so Enter elsewhere presses none.
        auto *button = new QPushButton(toQString(control.caption), parent);
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Label: {
        auto *label = new QLabel(toQString(control.caption), parent);
        label->setAlignment(
            Qt::AlignTop | (control.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
        return label;
    }
    case Kind::Line: {
        // Filled in the window-text colour, so that it is as thick as its place at every scale
        // (a frame's line is one screen pixel, half a pixel at twice the scale).
        auto *line = new QFrame(parent);
        line->setBackgroundRole(QPalette::WindowText);
        line->setAutoFillBackground(true);
        return line;
    }
    }
    return nullptr;
}

} // namespace window
