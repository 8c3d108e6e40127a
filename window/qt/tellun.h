#pragma once

#include "window/commands.h"
#include "window/qt/message_boxes.h"
#include "window/qt/qt_form.h"

#include <QWidget>

namespace window {

// The program's one window, in Qt Widgets.
class Tellun : public QWidget {
    Q_OBJECT
public:
    Tellun();

protected:
    void changeEvent(QEvent *event) override;

private:
    void colourLabels();

    QtMessageBoxes m_messages { this };
    QtForm m_form;
    Commands m_commands;
};

} // namespace window
