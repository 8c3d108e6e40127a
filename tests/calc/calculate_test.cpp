#include "calc/calculate.h"
#include "runtime/runtime_error.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>

namespace {

using runtime::ErrorCode;

const char *nameOf(calc::TextBox box)
{
    return std::array { "TxtPeso", "TxtAltezza", "TxtFattore" }[static_cast<std::size_t>(box)];
}

// The window's boxes and message boxes in memory, logging every read, write and message in
// order.
class RecordingForm : public calc::Form, public runtime::MessageBoxService {
public:
    std::string text(calc::TextBox box) const override
    {
        log.push_back("read " + std::string(nameOf(box)));
        return boxes[static_cast<int>(box)];
    }
    void setText(calc::TextBox box, std::string_view text) override
    {
        log.push_back("write " + std::string(nameOf(box)) + " = " + std::string(text));
        boxes[static_cast<int>(box)] = text;
    }
    std::string decimalSeparator() const override { return "."; }
    void show(const runtime::MessageBoxRequest &request) override
    {
        log.push_back("message [" + request.title + "] " + request.prompt + " ("
            + std::to_string(request.buttons) + ")");
    }
    std::string boxes[3]; // by calc::TextBox
    mutable std::vector<std::string> log;
};

// The log of a press that reads both boxes, shows the result and tells the class.
std::vector<std::string> classified(const std::string &result, const std::string &name)
{
    return { "read TxtPeso", "read TxtAltezza", "write TxtFattore = " + result,
        "message [Indicazione Stato Fisico] Lo Stato Fisico \xc3\xa8 : " + name + " (64)" };
}

const std::vector<std::string> reads { "read TxtPeso", "read TxtAltezza" };
const std::string weightWarning
    = "message [Attenzione !!!] Il valore del peso deve essere maggiore di zero (64)";
const std::string heightWarning
    = "message [Attenzione !!!] Il valore dell'altezza deve essere maggiore di zero (64)";

std::vector<std::string> warned(std::vector<std::string> warnings)
{
    warnings.insert(warnings.begin(), reads.begin(), reads.end());
    return warnings;
}

// A press after an earlier one of 70 and 1.75 (22.85714, "di Peso Forma"): what it logs, what
// it stores, and what the result box and the class then hold.
struct Press {
    std::string weight;
    std::string height;
    std::vector<std::string> log;
    double peso;
    double altezza;
    std::optional<ErrorCode> error = std::nullopt;
    std::string result = "22.85714";
    std::string weightClass = "di Peso Forma";
};

Press told(std::string weight, std::string height, double peso, double altezza,
    const std::string &result, const std::string &weightClass)
{
    return { std::move(weight), std::move(height), classified(result, weightClass), peso, altezza,
        {}, result, weightClass };
}

// clang-format off
const Press presses[] = {
    // Classified, with seven digits and an accented class; below one.
    told("60", "1.7", 60, 1.7, "20.76125", "di Peso Forma"),
    told("110", "1.7", 110, 1.7, "38.06228", "di Grave Obesit\xc3\xa0"),
    told("0.5", "1", 0.5, 1, "0.5", "di Grave Magrezza"),
    // Rounded to single precision before it is classified: onto the bound, or just past it.
    told("24.9000001", "1", 24.9000001, 1, "24.9", "di Peso Forma"),
    told("24.900001", "1", 24.900001, 1, "24.9", "Sovrappeso"),
    // Just beside the middle between two singles: rounded first to more than double precision
    // (as the x87 unit of 32-bit x86 does), across the bound.
    told("155.97862833166505", "1.768", 155.97862833166505, 1.768, "49.9",
        "di Patologicamente Obeso"),
    told("77.13024177246093", "1.76", 77.13024177246093, 1.76, "24.9", "Sovrappeso"),
    // A quotient too small for a single is zero; the largest single; a comma ends the height;
    // blanks as Clear leaves them.
    told("1e-300", "1", 1e-300, 1, "0", "di Grave Magrezza"),
    told("3.4028234663852886e38", "1", 3.4028234663852886e38, 1, "3.402823E+38",
        "di Super Obeso"),
    told("70", "1,75", 70, 1, "70", "di Super Obeso"),
    told(" 90", "1.75 ", 90, 1.75, "29.38775", "Sovrappeso"),
    // A warned press stores what it read and leaves the result and the class as they were.
    { "", "", warned({ weightWarning, heightWarning }), 0, 0 },
    { "-70", "1.75", warned({ weightWarning }), -70, 1.75 },
    { "70", "0", warned({ heightWarning }), 70, 0 },
    { "kg", "1.8", warned({ weightWarning }), 0, 1.8 },
    { "80", "-0", warned({ heightWarning }), 80, -0.0 },
    // A run-time error stops the press where it arises: what was read stays stored, the result
    // and the class stay the earlier press's, and nothing is shown. Above the largest single,
    // though rounding would bring it down to it, too.
    { "1e39", "1", reads, 1e39, 1, ErrorCode::Overflow },
    { "70", "1e200", reads, 70, 1e200, ErrorCode::Overflow },
    { "80", "1e-200", reads, 80, 1e-200, ErrorCode::DivisionByZero },
    { "3.4028235e38", "1", reads, 3.4028235e38, 1, ErrorCode::Overflow },
    { "70", "1e-160", reads, 70, 1e-160, ErrorCode::Overflow },
    // The weight's own reading fails: nothing new is stored and the height is not read.
    { "1e400", "2", { reads[0] }, 70, 1.75, ErrorCode::Overflow },
    { "80", "1e400", reads, 80, 1.75, ErrorCode::Overflow },
};
// clang-format on

TEST(CalculatePress, ReadsChecksTellsAndStoresInOrder)
{
    for (const Press &row : presses) {
        SCOPED_TRACE(row.weight + " / " + row.height);
        RecordingForm form;
        calc::CalculationFields fields;
        form.boxes[0] = "70";
        form.boxes[1] = "1.75";
        ASSERT_EQ(calc::calculate(form, form, fields), std::nullopt);
        form.log.clear();
        form.boxes[0] = row.weight;
        form.boxes[1] = row.height;
        EXPECT_EQ(calc::calculate(form, form, fields), row.error);
        EXPECT_EQ(form.log, row.log);
        EXPECT_EQ(fields.Peso, row.peso);
        EXPECT_EQ(fields.Altezza, row.altezza);
        EXPECT_EQ(form.boxes[2], row.result);
        EXPECT_EQ(fields.StatoFisico, row.weightClass);
    }
}

} // namespace
