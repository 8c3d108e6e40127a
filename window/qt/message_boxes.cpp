#include "window/qt/message_boxes.h"

#include "window/qt/application.h"
#include "window/qt/conversions.h"

#include <QApplication>
#include <QGridLayout>
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
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

void QtMessageBoxes::show(const runtime::MessageBoxRequest &request)
{
    // Every box of the program has the single OK button.
    QMessageBox box(iconOf(request.buttons), toQString(request.title), toQString(request.prompt),
        QMessageBox::Ok, m_parent);
    // Wide enough for the whole title on its title bar, where desktops centre it between their
    // buttons. Qt's own decorations, where the compositor draws none (Wayland on GNOME or
    // Weston), draw it 14 pixels high and cut it where it reaches their buttons.
    QFont decorations = QApplication::font();
    decorations.setPixelSize(14);
    const int title
        = std::max(QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()),
            QFontMetrics(decorations).horizontalAdvance(box.windowTitle()));
    auto *const grid = qobject_cast<QGridLayout *>(box.layout());
    grid->addItem(new QSpacerItem(title + 2 * titleBarButtons, 0), grid->rowCount(), 0, 1,
        grid->columnCount());
    setIcon(box);
    box.exec();
}

} // namespace window
