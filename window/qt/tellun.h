#pragma once

#include "window/commands.h"
#include "window/qt/message_boxes.h"
#include "window/qt/qt_form.h"

#include <QWidget>

namespace window {

// Where a family the window asks for is missing, the closest font Debian ships stands in.
struct FontSubstitute {
    std::string_view family;
    std::string_view substitute;
};
inline constexpr FontSubstitute fontSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {      "Verdana",     "DejaVu Sans"},
};

// The program's one window, in Qt Widgets.
class Tellun : public QWidget {
    Q_OBJECT
public:
    Tellun();

    const calc::CalculationFields &fields() const { return m_commands.fields(); }

protected:
    void changeEvent(QEvent *event) override;

private:
    void colourLabels();

    QtMessageBoxes m_messages { this };
    QtForm m_form;
    Commands m_commands;
};

} // namespace window
