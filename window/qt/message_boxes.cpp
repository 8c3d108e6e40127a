#include "window/qt/message_boxes.h"

#include <QMessageBox>

namespace window {

namespace {
QMessageBox::Icon iconOf(int buttonsValue)
{
    switch (buttonsValue & runtime::buttons::IconMask) {
    case runtime::buttons::Critical:
        return QMessageBox::Critical;
    case runtime::buttons::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void QtMessageBoxes::show(const runtime::MessageBoxRequest &request)
{
    // Every box of the program has the single OK button.
    QMessageBox box(iconOf(request.buttons), QString::fromStdString(request.title),
        QString::fromStdString(request.prompt), QMessageBox::Ok, m_parent);
    box.exec();
}

} // namespace window
