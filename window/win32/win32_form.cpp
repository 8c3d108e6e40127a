#include "window/win32/win32_form.h"

#include <algorithm>

namespace window::win32 {

std::wstring toWide(std::string_view text)
{
    const int size = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string toUtf8(std::wstring_view text)
{
    const int size = static_cast<int>(text.size());
    std::string utf8(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()),
        nullptr, nullptr);
    return utf8;
}

HWND Win32Form::edit(calc::TextBox box) const
{
    return m_controls[static_cast<std::size_t>(rowOf(box))];
}

std::string Win32Form::text(calc::TextBox box) const
{
    const HWND control = edit(box);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}

void Win32Form::setText(calc::TextBox box, std::string_view text)
{
    SetWindowTextW(edit(box), toWide(text).c_str());
}

std::string Win32Form::decimalSeparator() const
{
    wchar_t separator[8]; // Windows allows at most three characters
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
        static_cast<int>(std::size(separator)));
    return written > 1 ? toUtf8({ separator, static_cast<std::size_t>(written - 1) }) : ".";
}

void Win32MessageBoxes::show(const runtime::MessageBoxRequest &request)
{
    MessageBoxW(m_owner, toWide(request.prompt).c_str(), toWide(request.title).c_str(),
        static_cast<UINT>(request.buttons));
}

} // namespace window::win32
