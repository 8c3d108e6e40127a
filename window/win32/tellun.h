#pragma once

#include "window/commands.h"
#include "window/layout.h"
#include "window/win32/win32_form.h"

#include <array>
#include <exception>
#include <utility>
#include <vector>
#include <windows.h>

namespace window::win32 {

// The per-monitor dpi functions of Windows 10 1607 and later, looked up when the program
// starts; where they are missing (Windows 7, 8.1), the window uses the system's dpi.
struct DpiFunctions {
    UINT(WINAPI *forWindow)(HWND) = nullptr;
    BOOL(WINAPI *adjustWindowRect)(RECT *, DWORD, BOOL, DWORD, UINT) = nullptr;

    static DpiFunctions ofSystem();
};

// The program's one window in plain Win32, of the window class "Tellun". Keyboard navigation
// is the dialog manager's: Tab and Shift+Tab along the z-order, which is the tab order.
class Tellun {
public:
    // Throws std::system_error where Windows cannot make the window.
    explicit Tellun(HINSTANCE instance, DpiFunctions dpi = DpiFunctions::ofSystem());
    ~Tellun();
    Tellun(const Tellun &) = delete;
    Tellun &operator=(const Tellun &) = delete;

    HWND hwnd() const { return m_window; }

    // Shows the window, focus on TxtPeso, and runs the event loop until the window is gone.
    // Returns the program's exit status; rethrows what escaped a message's handling.
    int run(int show);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    // Places and sizes the window and every control, and sets their fonts, for `dpi`.
    void layOut(int dpi);
    void paint();
    static COLORREF labelColour(Colour colour);
    static LRESULT labelColours(HDC dc, const Control &label);
    int dpi() const;
    void click(int id);

    HINSTANCE m_instance;
    DpiFunctions m_dpiFunctions;
    HWND m_window = nullptr;
    bool m_inCommand = false; // a button's handler is running, perhaps in a message box
    bool m_closeRequested = false; // asked to close meanwhile: it closes when the handler ends
    std::exception_ptr m_failure; // what escaped the handling of a message; the window is gone
    std::array<HWND, layoutTable.size()> m_controls {}; // by layout row; the line has none
    int m_dpi {}; // the window's dots per inch, as last laid out
    std::vector<std::pair<const FontSpec *, HFONT>> m_fonts;
    HWND m_focus = nullptr; // the control to get the focus back when the window is active again
    Win32Form m_form { m_controls };
    Win32MessageBoxes m_messages { m_window };
    Commands m_commands;
};

// Tells the user, in a critical box of its own, why the program cannot go on: the window could
// not be made, or something other than a run-time error went wrong. Gives the exit status.
int reportFailure(const std::exception_ptr &failure);

} // namespace window::win32
