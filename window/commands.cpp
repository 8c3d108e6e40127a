#include "window/commands.h"

#include "runtime/runtime_error.h"
#include "window/layout.h"

namespace window {

void Commands::CmdCalcola_Click()
{
    if (const auto error = calc::calculate(m_form, m_messages, m_fields))
        m_messages.show(runtime::errorReport(*error, caption));
}

void Commands::CmdCancella_Click()
{
    for (const calc::TextBox box : calc::textBoxes)
        m_form.setText(box, " ");
}

void Commands::CmdUscita_Click() { m_end(); }

void Commands::run(Command command)
{
    switch (command) {
    case Command::Calcola:
        CmdCalcola_Click();
        break;
    case Command::Cancella:
        CmdCancella_Click();
        break;
    case Command::Uscita:
        CmdUscita_Click();
        break;
    case Command::None:
        break;
    }
}

} // namespace window
