#include "calc/calculate.h"

#include "calc/index.h"
#include "runtime/number.h"
#include "runtime/text.h"

namespace calc {

using runtime::MessageBoxRequest;
namespace buttons = runtime::buttons;

std::optional<runtime::ErrorCode> calculate(
    Form &form, runtime::MessageBoxService &messages, CalculationFields &fields)
{
    // Both boxes are read, and both fields stored, before either value is tested.
    const runtime::Result<double> peso = runtime::readNumber(form.text(TextBox::TxtPeso));
    if (peso.failed())
        return peso.error();
    fields.Peso = peso.value();
    const runtime::Result<double> altezza = runtime::readNumber(form.text(TextBox::TxtAltezza));
    if (altezza.failed())
        return altezza.error();
    fields.Altezza = altezza.value();

    if (fields.Peso > 0 && fields.Altezza > 0) {
        const runtime::Result<float> fattore = computeIndex(fields.Peso, fields.Altezza);
        if (fattore.failed())
            return fattore.error();
        fields.Fattore = fattore.value();
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
    return std::nullopt;
}

} // namespace calc
