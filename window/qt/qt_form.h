#pragma once

#include "calc/form.h"
#include "window/layout.h"

#include <array>

class QLineEdit;
class QWidget;

namespace window {

// The calculate command's view of the window: its line edits, by layout row, and the user's
// locale.
class QtForm : public calc::Form {
public:
    explicit QtForm(const std::array<QWidget *, layoutTable.size()> &widgets)
        : m_widgets(widgets)
    {
    }
    std::string text(calc::TextBox box) const override;
    void setText(calc::TextBox box, std::string_view text) override;
    std::string decimalSeparator() const override;

private:
    QLineEdit *edit(calc::TextBox box) const;

    const std::array<QWidget *, layoutTable.size()> &m_widgets;
};

} // namespace window
