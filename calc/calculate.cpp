#include "calc/calculate.h"

#include "calc/index.h"
#include "runtime/number.h"
#include "runtime/text.h"

namespace calc {

using runtime::MessageBoxRequest;
namespace buttons = runtime::buttons;

void calculate(Form &form, runtime::MessageBoxService &messages, CalculationFields &fields)
{
    // Both boxes are read, and both fields stored, before either value is tested.
    fields.Peso = runtime::readNumber(form.text(TextBox::TxtPeso));
    fields.Altezza = runtime::readNumber(form.text(TextBox::TxtAltezza));

    if (fields.Peso > 0 && fields.Altezza > 0) {
        fields.Fattore = computeIndex(fields.Peso, fields.Altezza);
        form.setText(
            TextBox::TxtFattore, runtime::singleToText(fields.Fattore, form.decimalSeparator()));
        fields.StatoFisico = weightClass(fields.Fattore);
        messages.show(MessageBoxRequest { std::string(classPrefix) + fields.StatoFisico,
            std::string(classTitle), buttons::Information });
    }
    // Separate tests: with neither value positive the user is told of both, weight first.
    if (fields.Peso <= 0)
        messages.show(
            { std::string(weightWarning), std::string(warningTitle), buttons::Information });
    if (fields.Altezza <= 0)
        messages.show(
            { std::string(heightWarning), std::string(warningTitle), buttons::Information });
}

} // namespace calc
