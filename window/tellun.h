#pragma once

#include "calc/calculate.h"
#include "window/message_boxes.h"
#include "window/qt_form.h"

#include <QWidget>
#include <memory>

class QLineEdit;

namespace window {

// The program's one window.
class Tellun : public QWidget {
    Q_OBJECT
public:
    // Message boxes go to `messages` when given, to real QMessageBoxes otherwise.
    explicit Tellun(runtime::MessageBoxService *messages = nullptr);

    const calc::CalculationFields &fields() const { return m_fields; }

public slots:
    void CmdCalcola_Click();
    void CmdCancella_Click();
    void CmdUscita_Click();

private:
    void createControls();
    QLineEdit *textBox(const char *name) const;

    calc::CalculationFields m_fields;
    QtMessageBoxes m_ownMessages { this };
    runtime::MessageBoxService *m_messages;
    std::unique_ptr<QtForm> m_form;
};

} // namespace window
