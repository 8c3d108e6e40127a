#include "calc/calculate.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

using calc::CalculationFields;
using calc::TextBox;
using runtime::ErrorCode;

// Holds the three boxes and logs every read, write and message, in order.
class RecordingForm : public calc::Form, public runtime::MessageBoxService {
public:
    std::string text(TextBox box) const override
    {
        log.push_back("read " + std::string(calc::nameOf(box)));
        return boxes.at(box);
    }
    void setText(TextBox box, std::string_view text) override
    {
        log.push_back("write " + std::string(calc::nameOf(box)) + " = " + std::string(text));
        boxes[box] = text;
    }
    std::string decimalSeparator() const override { return separator; }
    void show(const runtime::MessageBoxRequest &request) override
    {
        log.push_back("message [" + request.title + "] " + request.prompt + " ("
            + std::to_string(request.buttons) + ")");
    }

    void type(std::string weight, std::string height)
    {
        boxes[TextBox::TxtPeso] = std::move(weight);
        boxes[TextBox::TxtAltezza] = std::move(height);
    }
    void press(CalculationFields &fields)
    {
        log.clear();
        calc::CmdCalcola_Click(*this, *this, fields);
    }

    std::map<TextBox, std::string> boxes {
        {   TextBox::TxtPeso, ""},
        {TextBox::TxtAltezza, ""},
        {TextBox::TxtFattore, ""}
    };
    std::string separator = ".";
    mutable std::vector<std::string> log;
};

const std::string reads[] = { "read TxtPeso", "read TxtAltezza" };
const std::string weightWarning
    = "message [Attenzione !!!] Il valore del peso deve essere maggiore di zero (64)";
const std::string heightWarning
    = "message [Attenzione !!!] Il valore dell'altezza deve essere maggiore di zero (64)";

std::vector<std::string> classified(const std::string &result, const std::string &weightClass)
{
    return { reads[0], reads[1], "write TxtFattore = " + result,
        "message [Indicazione Stato Fisico] Lo Stato Fisico \xc3\xa8 : " + weightClass + " (64)" };
}

std::vector<std::string> warned(std::vector<std::string> warnings)
{
    warnings.insert(warnings.begin(), { reads[0], reads[1] });
    return warnings;
}

struct Press {
    const char *name;
    std::string weight;
    std::string height;
    std::vector<std::string> log;
};

void PrintTo(const Press &row, std::ostream *os) { *os << row.name; }

class CalculatePress : public testing::TestWithParam<Press> { };

TEST_P(CalculatePress, ReadsChecksAndTellsInOrder)
{
    const Press &row = GetParam();
    RecordingForm form;
    CalculationFields fields;
    form.type(row.weight, row.height);
    form.press(fields);
    EXPECT_EQ(form.log, row.log);
}

INSTANTIATE_TEST_SUITE_P(Classified, CalculatePress,
    testing::Values(Press { "typical", "70", "1.75", classified("22.85714", "di Peso Forma") },
        Press { "sevenDigits", "60", "1.7", classified("20.76125", "di Peso Forma") },
        Press { "superObese", "150", "1.6", classified("58.59375", "di Super Obeso") },
        Press { "classWithoutDi", "80", "1.7", classified("27.68166", "Sovrappeso") },
        Press { "accentedClass", "110", "1.7", classified("38.06228", "di Grave Obesit\xc3\xa0") },
        Press { "commaEndsHeight", "70", "1,75", classified("70", "di Super Obeso") },
        Press { "unitAfterWeight", "70 kg", "1.75", classified("22.85714", "di Peso Forma") },
        Press { "blanksInsideWeight", " 7 0", "1.75", classified("22.85714", "di Peso Forma") },
        Press { "blankLeftByClear", " 70", "1.75 ", classified("22.85714", "di Peso Forma") }),
    [](const auto &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Warned, CalculatePress,
    testing::Values(Press { "bothEmpty", "", "", warned({ weightWarning, heightWarning }) },
        Press { "bothOneBlank", " ", " ", warned({ weightWarning, heightWarning }) },
        Press { "negativeWeight", "-70", "1.75", warned({ weightWarning }) },
        Press { "zeroHeight", "70", "0", warned({ heightWarning }) },
        Press { "noLeadingNumber", "kg", "1.75", warned({ weightWarning }) },
        Press { "negativeZeroHeight", "70", "-0", warned({ heightWarning }) }),
    [](const auto &info) { return info.param.name; });

TEST(CalculateCommand, StoresFieldsAndUsesTheLocaleSeparator)
{
    RecordingForm form;
    form.separator = ",";
    CalculationFields fields;
    form.type("70", "1.75");
    form.press(fields);
    EXPECT_EQ(form.boxes[TextBox::TxtFattore], "22,85714");
    EXPECT_EQ(fields.Peso, 70);
    EXPECT_EQ(fields.Altezza, 1.75);
    EXPECT_EQ(fields.Fattore, 22.857143f);
    EXPECT_EQ(fields.StatoFisico, "di Peso Forma");
}

// A warned press stores what it read, and leaves the result and the class as they were.
TEST(CalculateCommand, WarningKeepsThePreviousResult)
{
    const struct {
        const char *weight;
        const char *height;
        double peso;
        double altezza;
    } rows[] = {
        {"-70", "1.75", -70, 1.75},
        { "70",    "0",  70,    0},
        {   "",     "",   0,    0}
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.weight) + " / " + row.height);
        RecordingForm form;
        CalculationFields fields;
        form.type("70", "1.75");
        form.press(fields);
        form.type(row.weight, row.height);
        form.press(fields);
        EXPECT_EQ(form.boxes[TextBox::TxtFattore], "22.85714");
        EXPECT_EQ(fields.Fattore, 22.857143f);
        EXPECT_EQ(fields.StatoFisico, "di Peso Forma");
        EXPECT_EQ(fields.Peso, row.peso);
        EXPECT_EQ(fields.Altezza, row.altezza);
    }
}

// A run-time error stops the press where it arises: what was read stays stored, the result,
// the index and the class keep the previous calculation's, and nothing is shown.
TEST(CalculateCommand, RunTimeErrorLeavesTheStateOfItsStep)
{
    const struct {
        const char *name;
        const char *weight;
        const char *height;
        ErrorCode error;
        double peso; // as stored when the error stopped the press
        double altezza;
        std::vector<std::string> log;
    } rows[] = {
        { "indexBeyondSingle",  "1e39",      "1",       ErrorCode::Overflow, 1e39,      1,{ reads[0], reads[1] }                                                                                          },
        {"squareBeyondDouble",    "70",  "1e200",       ErrorCode::Overflow,   70,  1e200,
         { reads[0], reads[1] }                                                                                  },
        {      "squareIsZero",    "70", "1e-200", ErrorCode::DivisionByZero,   70, 1e-200,
         { reads[0], reads[1] }                                                                                  },
 // The weight's own reading fails: nothing new is stored and the height is not read.
        {"weightBeyondDouble", "1e400",   "1.75",       ErrorCode::Overflow,   70,   1.75,           { reads[0] }},
        {"heightBeyondDouble",    "80",  "1e400",       ErrorCode::Overflow,   80,   1.75,
         { reads[0], reads[1] }                                                                                  },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingForm form;
        CalculationFields fields;
        form.type("70", "1.75");
        form.press(fields);
        form.type(row.weight, row.height);
        try {
            form.press(fields);
            ADD_FAILURE() << "no error";
        } catch (const runtime::RuntimeError &error) {
            EXPECT_EQ(error.code(), row.error);
        }
        EXPECT_EQ(form.log, row.log);
        EXPECT_EQ(fields.Peso, row.peso);
        EXPECT_EQ(fields.Altezza, row.altezza);
        EXPECT_EQ(form.boxes[TextBox::TxtFattore], "22.85714");
        EXPECT_EQ(fields.Fattore, 22.857143f);
        EXPECT_EQ(fields.StatoFisico, "di Peso Forma");
    }
}

} // namespace
