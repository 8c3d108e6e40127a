#include "window/qt/qt_form.h"

#include <QLineEdit>
#include <QLocale>

namespace window {

QLineEdit *QtForm::edit(calc::TextBox box) const
{
    return m_window.findChild<QLineEdit *>(toQString(calc::nameOf(box)));
}

std::string QtForm::text(calc::TextBox box) const { return edit(box)->text().toStdString(); }

void QtForm::setText(calc::TextBox box, std::string_view text)
{
    edit(box)->setText(toQString(text));
}

std::string QtForm::decimalSeparator() const
{
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace window
