#include "window/qt/qt_form.h"

#include "window/qt/conversions.h"

#include <QLineEdit>
#include <QLocale>

namespace window {

QLineEdit *QtForm::edit(calc::TextBox box) const
{
    return static_cast<QLineEdit *>(m_widgets[rowOf(box)]);
}

std::string QtForm::text(calc::TextBox box) const { return edit(box)->text().toStdString(); }

// The caret, and so the view, at the start: a text wider than its box reads from its first
// digit, as the user reads it, not from its last.
void QtForm::setText(calc::TextBox box, std::string_view text)
{
    QLineEdit *const shown = edit(box);
    shown->setText(toQString(text));
    shown->setCursorPosition(0);
}

std::string QtForm::decimalSeparator() const
{
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace window
