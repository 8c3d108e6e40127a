#pragma once

#include "calc/form.h"
#include "runtime/message_box.h"
#include "runtime/runtime_error.h"

#include <optional>
#include <string>

namespace calc {

// The window's calculation fields; they keep their values from one press of "Calcola" to the
// next.
struct CalculationFields {
    double Peso {}; // kg, as last read; not read before the first press sets it
    double Altezza {}; // m, as last read; as Peso
    float Fattore {}; // the index last computed
    std::string StatoFisico; // the weight class last chosen
};

inline constexpr std::string_view classTitle = "Indicazione Stato Fisico";
inline constexpr std::string_view classPrefix = "Lo Stato Fisico \u00e8 : ";
inline constexpr std::string_view warningTitle = "Attenzione !!!";
inline constexpr std::string_view weightWarning = "Il valore del peso deve essere maggiore di zero";
inline constexpr std::string_view heightWarning
    = "Il valore dell'altezza deve essere maggiore di zero";

// The work of the "Calcola" button, whose handler (window::Commands) reports the error this
// gives. Reads weight and height from their boxes; when both are greater than zero, shows the
// index in TxtFattore and tells the weight class; warns about each value that is not. A
// run-time error stops it at the failing step, with what was stored until then kept, and is
// what it gives; otherwise it gives nothing.
std::optional<runtime::ErrorCode> calculate(
    Form &form, runtime::MessageBoxService &messages, CalculationFields &fields);

} // namespace calc
