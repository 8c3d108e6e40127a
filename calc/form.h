#pragma once

#include <array>
#include <string>
#include <string_view>

namespace calc {

enum class TextBox { TxtPeso, TxtAltezza, TxtFattore };
inline constexpr std::array<TextBox, 3> textBoxes { TextBox::TxtPeso, TextBox::TxtAltezza,
    TextBox::TxtFattore };

// What the calculate command needs of the window: the text boxes' texts (UTF-8, read and
// written whole) and the decimal separator of the user's locale for the result.
class Form {
public:
    virtual ~Form() = default;
    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, std::string_view text) = 0;
    virtual std::string decimalSeparator() const = 0;
};

} // namespace calc
