#include "runtime/message_box.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

namespace {

using runtime::ErrorCode;
using runtime::RuntimeError;

TEST(ErrorReport, NamesNumberAndDescriptionWithCriticalIcon)
{
    const struct {
        ErrorCode code;
        int number;
        const char *prompt;
    } rows[] = {
        {      ErrorCode::Overflow,  6,            "Errore di run-time '6':\n\nOverflow"},
        {ErrorCode::DivisionByZero, 11, "Errore di run-time '11':\n\nDivisione per zero"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.number);
        const RuntimeError error(row.code);
        EXPECT_EQ(error.number(), row.number);
        const runtime::MessageBoxRequest expected { row.prompt, "Titolo",
            runtime::buttons::Critical };
        EXPECT_EQ(runtime::errorReport(error, "Titolo"), expected);
    }
}

} // namespace
