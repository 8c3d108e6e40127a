#pragma once

#include "calc/calculate.h"
#include "calc/form.h"
#include "runtime/message_box.h"
#include "window/layout.h"

#include <functional>

namespace window {

// What the window's three buttons do, whichever toolkit draws it. The front end gives the form
// over its text boxes, its message boxes, and how it ends the program.
class Commands {
public:
    Commands(calc::Form &form, runtime::MessageBoxService &messages, std::function<void()> end)
        : m_form(form)
        , m_messages(messages)
        , m_end(std::move(end))
    {
    }

    // Calculates. A run-time error is reported in a box of its own and the program goes on,
    // with what the command stored until then kept.
    void CmdCalcola_Click();
    // One blank in each of the three boxes, not the empty text; nothing else changes.
    void CmdCancella_Click();
    // Ends the program at once, with nothing asked and nothing saved.
    void CmdUscita_Click();
    // The one a button does.
    void run(Command command);

private:
    calc::Form &m_form;
    runtime::MessageBoxService &m_messages;
    std::function<void()> m_end;
    calc::CalculationFields m_fields;
};

} // namespace window
