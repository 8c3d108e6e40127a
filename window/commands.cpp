#include "window/commands.h"

#include "runtime/runtime_error.h"
#include "window/layout.h"

namespace window {

void Commands::CmdCalcola_Click()
{
    try {
        calc::calculate(m_form, m_messages, m_fields);
    } catch (const runtime::RuntimeError &error) {
        m_messages.show(runtime::errorReport(error, caption));
    }
}

void Commands::CmdCancella_Click()
{
    for (const calc::TextBox box : calc::textBoxes)
        m_form.setText(box, " ");
}

void Commands::CmdUscita_Click() { m_end(); }

} // namespace window
