#pragma once

#include "window/commands.h"
#include "window/layout.h"
#include "window/win32/win32_form.h"

#include <array>
#include <utility>
#include <vector>
#include <windows.h>

namespace window::win32 {

// The program's one window in plain Win32, of the window class "Tellun". Keyboard navigation
// is the dialog manager's: Tab and Shift+Tab along the z-order, which is the tab order.
class Tellun {
public:
    explicit Tellun(HINSTANCE instance);
    ~Tellun();
    Tellun(const Tellun &) = delete;
    Tellun &operator=(const Tellun &) = delete;

    HWND handle() const { return m_window; }

    // Shows the window, focus on TxtPeso, and runs the event loop until the window is gone.
    // Returns the program's exit status.
    int run(int show);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    // Places and sizes the window and every control, and sets their fonts, for `dpi`.
    void layOut(int dpi);
    void paint();
    static LRESULT labelColours(HDC dc, const Control &label);
    void click(int id);
    HWND control(std::string_view name) const;

    HINSTANCE m_instance;
    HWND m_window = nullptr;
    std::array<HWND, layoutTable.size()> m_controls {}; // by layout row; the line has none
    int m_dpi {}; // the window's dots per inch, as last laid out
    std::vector<std::pair<const FontSpec *, HFONT>> m_fonts;
    HWND m_focus = nullptr; // the control to get the focus back when the window is active again
    Win32Form m_form { m_controls };
    Win32MessageBoxes m_messages { m_window };
    Commands m_commands;
};

} // namespace window::win32
