#pragma once

#include "calc/form.h"

class QLineEdit;
class QWidget;

namespace window {

// The calculate command's view of the window: its line edits, found by name, and the user's
// locale.
class QtForm : public calc::Form {
public:
    explicit QtForm(const QWidget &window)
        : m_window(window)
    {
    }
    std::string text(calc::TextBox box) const override;
    void setText(calc::TextBox box, std::string_view text) override;
    std::string decimalSeparator() const override;

private:
    QLineEdit *edit(calc::TextBox box) const;

    const QWidget &m_window;
};

} // namespace window
