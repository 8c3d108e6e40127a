#pragma once

#include "calc/form.h"
#include "runtime/message_box.h"
#include "window/colours.h"
#include "window/layout.h"

#include <array>
#include <string>
#include <string_view>
#include <windows.h>

namespace window::win32 {

// UTF-8, as the core holds text, and UTF-16, as Windows does.
std::wstring toWide(std::string_view text);
std::string toUtf8(std::wstring_view text);
// A colour as Windows gives it, as the window's colour rule takes it.
inline Rgb toRgb(COLORREF colour)
{
    return { GetRValue(colour), GetGValue(colour), GetBValue(colour) };
}

// The calculate command's view of the window: its edit controls, by layout row, and the
// decimal separator of the user's locale.
class Win32Form : public calc::Form {
public:
    explicit Win32Form(const std::array<HWND, layoutTable.size()> &controls)
        : m_controls(controls)
    {
    }
    std::string text(calc::TextBox box) const override;
    void setText(calc::TextBox box, std::string_view text) override;
    std::string decimalSeparator() const override;

private:
    HWND edit(calc::TextBox box) const;

    const std::array<HWND, layoutTable.size()> &m_controls;
};

// Message boxes modal to the window; the buttons value is Windows' own MB_ value.
class Win32MessageBoxes : public runtime::MessageBoxService {
public:
    explicit Win32MessageBoxes(const HWND &owner)
        : m_owner(owner)
    {
    }
    void show(const runtime::MessageBoxRequest &request) override;

private:
    const HWND &m_owner;
};

} // namespace window::win32
