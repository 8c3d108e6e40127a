#pragma once

#include "calc/form.h"

#include <QString>

class QLineEdit;

namespace window {

// UTF-8 text from the core, as Qt holds it.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The calculate command's view of the window: the three line edits, the user's locale.
class QtForm : public calc::Form {
public:
    QtForm(QLineEdit *peso, QLineEdit *altezza, QLineEdit *fattore)
        : m_boxes { peso, altezza, fattore }
    {
    }
    std::string text(calc::TextBox box) const override;
    void setText(calc::TextBox box, std::string_view text) override;
    std::string decimalSeparator() const override;

private:
    QLineEdit *edit(calc::TextBox box) const { return m_boxes[static_cast<int>(box)]; }

    QLineEdit *m_boxes[3];
};

} // namespace window
