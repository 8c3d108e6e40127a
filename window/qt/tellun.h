#pragma once

#include "window/commands.h"
#include "window/qt/message_boxes.h"
#include "window/qt/qt_form.h"

#include <QWidget>
#include <array>

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

    std::array<QWidget *, layoutTable.size()> m_widgets {}; // by layout row
    QtMessageBoxes m_messages { this };
    QtForm m_form;
    Commands m_commands;
};

} // namespace window
