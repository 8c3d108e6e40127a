// The calculate command on two arbitrary texts, against an in-memory form. The first byte
// picks the result's decimal separator; the rest is the weight's text, a NUL, and the
// height's text.
#include "calc/calculate.h"
#include "calc/index.h"
#include "runtime/message_box.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

class MemoryForm : public calc::Form, public runtime::MessageBoxService {
public:
    std::string text(calc::TextBox box) const override { return boxes[static_cast<int>(box)]; }
    void setText(calc::TextBox box, std::string_view text) override
    {
        boxes[static_cast<int>(box)] = text;
    }
    std::string decimalSeparator() const override { return separator; }
    void show(const runtime::MessageBoxRequest &request) override { shown.push_back(request); }

    std::string boxes[3];
    std::string separator;
    std::vector<runtime::MessageBoxRequest> shown;
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isClassMessage(const runtime::MessageBoxRequest &message)
{
    return message.title == calc::classTitle && message.buttons == runtime::buttons::Information
        && std::any_of(calc::weightClasses.begin(), calc::weightClasses.end(),
            [&](const calc::WeightClass &row) {
                return message.prompt == std::string(calc::classPrefix) + std::string(row.text);
            });
}

bool isWarning(const runtime::MessageBoxRequest &message, std::string_view prompt)
{
    return message.prompt == prompt && message.title == calc::warningTitle
        && message.buttons == runtime::buttons::Information;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    MemoryForm form;
    form.separator = data[0] % 2 ? "," : ".";
    const std::string_view texts(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::size_t nul = texts.find('\0');
    form.boxes[0] = texts.substr(0, nul);
    form.boxes[1] = nul == std::string_view::npos ? "" : texts.substr(nul + 1);
    form.boxes[2] = "previous";

    calc::CalculationFields fields;
    try {
        calc::CmdCalcola_Click(form, form, fields);
    } catch (const runtime::RuntimeError &error) {
        // A run-time error stops the command before it tells the user anything.
        check(error.code() == runtime::ErrorCode::Overflow
            || error.code() == runtime::ErrorCode::DivisionByZero);
        check(form.shown.empty() && form.boxes[2] == "previous");
        return 0;
    }

    const auto &shown = form.shown;
    if (fields.Peso > 0 && fields.Altezza > 0) {
        check(shown.size() == 1 && isClassMessage(shown[0]));
        check(shown[0].prompt == std::string(calc::classPrefix) + fields.StatoFisico);
        check(form.boxes[2] == runtime::singleToText(fields.Fattore, form.separator));
    } else {
        std::vector<std::string_view> expected;
        if (fields.Peso <= 0)
            expected.push_back(calc::weightWarning);
        if (fields.Altezza <= 0)
            expected.push_back(calc::heightWarning);
        check(!expected.empty()); // a value neither above zero nor at or below it: NaN
        check(shown.size() == expected.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
            check(isWarning(shown[i], expected[i]));
        check(form.boxes[2] == "previous");
    }
    return 0;
}
