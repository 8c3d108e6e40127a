#include "window/qt_form.h"

#include <QLineEdit>
#include <QLocale>

namespace window {

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
