// imc.exe as a user meets it, driven from this second process: the checks every front end
// passes, and what only Windows shows: the system colours, the fonts, the user's decimal
// separator, a new screen density. The program is started afresh for each check; its window is
// found by class and caption, each control by its caption and each text box by the label just
// before it, as a screen reader names it. Text goes in with WM_SETTEXT, buttons are pressed
// with BM_CLICK and keys as the keyboard queues them, and each message box is found by its class
// "#32770", read, and dismissed with the IDOK its button would send. Another process can only be
// watched, so waits poll, ten seconds at most.
#include "tests/run_tests.h"
#include "tests/window/window_checks.h"
#include "window/win32/tellun.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <future>
#include <regex>
#include <thread>

namespace {

using window::win32::toRgb;
using window::win32::toUtf8;
using window::win32::toWide;

std::wstring program; // imc.exe, from the command line

template<typename F>
auto waitFor(F done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    auto result = done();
    for (; !result && std::chrono::steady_clock::now() < deadline; result = done())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return result;
}

std::string textOf(HWND window)
{
    wchar_t text[256] {};
    SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return toUtf8(text);
}

std::vector<int> placeOf(HWND control) // left, top, width, height in its parent's client area
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&rect), 2);
    return { rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top };
}

// The colour of each pixel of the screen in a rectangle of `control`'s client area, by row.
std::vector<COLORREF> screenshot(HWND control, int left, int top, int width, int height)
{
    POINT origin { left, top };
    ClientToScreen(control, &origin);
    const HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(memory, x, y));
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A control of `window`: a text box by its label, anything else by its caption.
HWND find(HWND window, const ExpectedControl &control)
{
    const HWND named = FindWindowExW(
        window, nullptr, nullptr, toWide(control.label ? control.label : control.caption).c_str());
    return control.label ? GetWindow(named, GW_HWNDNEXT) : named;
}

class Tellun : public WindowDriver, public testing::Test {
public:
    Tellun() // at the dpi Wine's LogPixels sets for every program of the prefix, until start()
    {
        const HDC screen = GetDC(nullptr);
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        scale = dpi / 96.0;
    }
    void TearDown() override
    {
        if (process.hProcess) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        process = {};
    }
    void start() override
    {
        TearDown();
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW; // as a shortcut's "Run" setting gives it
        startup.wShowWindow = showCommand;
        std::wstring commandLine = L"\"" + program + L"\"";
        // Just after msiexec has installed it, Wine may refuse the program for a moment.
        DWORD error = 0;
        ASSERT_TRUE(waitFor([&] {
            const bool started = CreateProcessW(program.c_str(), commandLine.data(), nullptr,
                nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
            error = started ? 0 : GetLastError();
            return started;
        })) << "error "
            << error;
        WaitForInputIdle(process.hProcess, 10000); // shown, drawn, waiting for input
        window = waitFor([&] { return topLevel(L"Tellun"); });
        ASSERT_TRUE(window);
        // The density a window that follows each monitor's has on the program's monitor, which
        // it lays out at: the system's with Wine 8; with Wine 10 the monitor's own, which stays
        // 96 whatever the system's is. (Wine 8 tells another process's window 96.)
        using ForMonitor = HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *);
        UINT x = 0, y = 0;
        if (const auto forMonitor = reinterpret_cast<ForMonitor>(reinterpret_cast<void (*)()>(
                GetProcAddress(LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor")));
            forMonitor
            && SUCCEEDED(
                forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0, &x, &y))) {
            dpi = static_cast<int>(y); // (0: the effective dpi)
            scale = dpi / 96.0;
        }
        SetForegroundWindow(window);
    }
    // The program's visible top-level window of class `name`, if any.
    HWND topLevel(const wchar_t *name) const
    {
        HWND found = nullptr;
        while ((found = FindWindowExW(nullptr, found, name, nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == process.dwProcessId && IsWindowVisible(found))
                return found;
        }
        return nullptr;
    }
    HWND handle(std::string_view name) const { return find(window, control(name)); }
    std::string title() override { return textOf(window); }
    std::vector<int> clientSize() override
    {
        RECT client;
        GetClientRect(window, &client);
        return { client.right, client.bottom };
    }
    // In the default scheme a label is drawn in its system colour, the highlight or the
    // desktop's, as made readable on the button face, and not in the other.
    void checkLooks(const ExpectedControl &control) override
    {
        if (control.kind != K::Label || !defaultScheme)
            return;
        const auto readable = [&](int element) {
            const window::Rgb c = window::readableOn(
                toRgb(GetSysColor(element)), toRgb(GetSysColor(COLOR_BTNFACE)));
            return RGB(c.red, c.green, c.blue);
        };
        const std::vector<COLORREF> shown = drawn(control);
        EXPECT_EQ(std::ranges::count(shown, readable(COLOR_HIGHLIGHT)) > 0, control.highlighted);
        EXPECT_EQ(std::ranges::count(shown, readable(COLOR_DESKTOP)) > 0, !control.highlighted);
    }
    std::vector<COLORREF> drawn(const ExpectedControl &label)
    {
        const std::vector<int> at = place(label);
        std::vector<COLORREF> shot;
        // Once painted: the label's background, and its text on it (a label is painted in two
        // steps, which a shot may fall between).
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        EXPECT_TRUE(waitFor([&] {
            shot = screenshot(window, at[0], at[1], at[2], at[3]);
            return shot.front() == face
                && std::ranges::any_of(shot, [&](COLORREF c) { return c != face; });
        }));
        return shot;
    }
    Shot shot(const ExpectedControl &label) override
    {
        Shot shot { {}, place(label)[2] };
        for (const COLORREF c : drawn(label))
            shot.pixels.push_back(toRgb(c));
        return shot;
    }
    std::vector<int> place(const ExpectedControl &c) override { return placeOf(find(window, c)); }
    std::vector<bool> inWindowText(int left, int top, int width, int height) override
    {
        std::vector<bool> shown;
        for (const COLORREF colour : screenshot(window, left, top, width, height))
            shown.push_back(colour == GetSysColor(COLOR_WINDOWTEXT));
        return shown;
    }
    std::string text(const ExpectedControl &c) override { return textOf(find(window, c)); }
    int firstShown(const char *box) override
    {
        RECT client;
        GetClientRect(handle(box), &client);
        return LOWORD(
            SendMessageW(handle(box), EM_CHARFROMPOS, 0, MAKELPARAM(2, client.bottom / 2)));
    }
    HWND focused() const
    {
        GUITHREADINFO thread {};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(process.dwThreadId, &thread);
        return thread.hwndFocus;
    }
    // The control that has the focus, once one has it: after a message box the window takes
    // the focus first and gives it to the control a moment later.
    std::string focus() override
    {
        const auto *const control = waitFor([&] {
            const auto *const found = std::ranges::find(
                expectedControls, focused(), [&](const auto &c) { return find(window, c); });
            return found == std::end(expectedControls) ? nullptr : found;
        });
        return control ? control->name : "(none)";
    }
    // A key as the keyboard driver queues it for the focused control's thread, down and up,
    // read by the program's message loop as a typed key is; for Shift+Tab, Shift held in the
    // key state the two threads share while attached. (Keys sent through the system's input,
    // keybd_event, were lost under Wine 10 on a busy machine, with the program's window in
    // the foreground and answering.)
    void key(Key key) override
    {
        const WORD code
            = std::array<WORD, 5> { VK_TAB, VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE }[int(key)];
        const HWND from = focused();
        const DWORD self = GetCurrentThreadId();
        ASSERT_TRUE(AttachThreadInput(self, process.dwThreadId, TRUE));
        std::array<BYTE, 256> keys {};
        keys[VK_SHIFT] = key == Key::BackTab ? 0x80 : 0;
        SetKeyboardState(keys.data());
        const LPARAM scan = LPARAM(MapVirtualKeyW(code, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(from, WM_KEYDOWN, code, 1 | scan);
        PostMessageW(from, WM_KEYUP, code, 1 | scan | LPARAM(3) << 30);
        if (key == Key::Tab || key == Key::BackTab)
            waitFor([&] { return focused() != from; });
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys.data());
        AttachThreadInput(self, process.dwThreadId, FALSE);
    }
    void type(const char *box, const char *text) override
    {
        SendMessageW(handle(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
    }
    // Over when the click returns, unless a message box holds it: then after a tenth of a second.
    void click(const char *button) override
    {
        SendMessageTimeoutW(handle(button), BM_CLICK, 0, 0, SMTO_NORMAL, 100, nullptr);
    }
    // Each box until `count` are seen; the icon, the one untitled static, is blue for
    // information and red when critical; a Cancel button beside OK is said.
    std::vector<std::string> messages(std::size_t count, std::function<void()> action) override
    {
        action();
        std::vector<std::string> seen;
        while (seen.size() < count) {
            const HWND box = waitFor([&] { return topLevel(L"#32770"); });
            if (!box)
                return seen;
            const std::vector<int> place = placeOf(FindWindowExW(box, nullptr, L"Static", L""));
            long red = 0, blue = 0;
            waitFor([&] { // until the icon is drawn
                red = blue = 0;
                for (const COLORREF c : screenshot(box, place[0], place[1], place[2], place[3])) {
                    red += GetRValue(c) > GetBValue(c) + 64;
                    blue += GetBValue(c) > GetRValue(c) + 64;
                }
                return red + blue > 100;
            });
            seen.push_back(textOf(box) + ": " + textOf(GetDlgItem(box, 0xffff))
                + (red > blue ? " (critical)" : "")
                + (IsWindowVisible(GetDlgItem(box, IDCANCEL)) ? " (and Cancel)" : ""));
            if (closeUnderEachBox) { // as taskkill, or a session ending, asks
                // Sent, so that it returns once the window has handled the request.
                SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, nullptr);
                EXPECT_TRUE(IsWindow(box)) << "closed under " << seen.back();
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            waitFor([&] { return !IsWindow(box); });
        }
        EXPECT_TRUE(count || !topLevel(L"#32770")); // where none was awaited, none came
        return seen;
    }
    int end(bool closeBox) override
    {
        if (closeBox)
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            click("CmdUscita");
        return static_cast<int>(status());
    }

    // The exit status once the program has ended by itself, or STILL_ACTIVE.
    DWORD status() const
    {
        DWORD status = STILL_ACTIVE;
        if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &status);
        return status;
    }

    PROCESS_INFORMATION process {};
    HWND window = nullptr;
    bool closeUnderEachBox = false; // the window is asked to close while each box is open
    bool defaultScheme = true; // the colours are Windows 10's defaults
    WORD showCommand = SW_SHOWNORMAL;
};

// In Windows 10's default colours, and in high contrast black, set before the program starts. In
// high contrast the desktop colour is the button face's: the labels in it take the scheme's text
// colour. (Under Wine a running program keeps the colours it started with, so its following a
// change cannot be seen here.)
TEST_F(Tellun, Controls)
{
    const int elements[]
        = { COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HIGHLIGHT, COLOR_DESKTOP, COLOR_WINDOWTEXT };
    std::array<COLORREF, 5> original {};
    std::ranges::transform(elements, original.begin(), GetSysColor);
    auto windows10 = original; // Wine's highlight is 2.9 : 1 on its face: Windows 10's instead
    windows10[2] = RGB(0, 120, 215);
    const std::array<COLORREF, 5> black { RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255),
        RGB(0, 0, 0), RGB(255, 255, 255) };
    for (const auto &colours : { windows10, black }) {
        SetSysColors(5, elements, colours.data());
        defaultScheme = colours == windows10;
        showCommand = defaultScheme ? SW_SHOWNORMAL : SW_SHOWMAXIMIZED;
        checkControls(*this);
    }
    SetSysColors(5, elements, original.data());
}
TEST_F(Tellun, Keyboard) { checkKeyboard(*this); }
TEST_F(Tellun, End) { checkEnd(*this); }

// Asked to close while a message box is open, the window first lets the command run to its
// end: the box stays, the ones after it still come, and then the program ends with status 0.
TEST_F(Tellun, CloseWaitsForTheCommand)
{
    closeUnderEachBox = true;
    const std::string divisionByZero
        = "Indice di Massa Corporea: Errore di run-time '11':\n\nDivisione per zero (critical)";
    for (const char *both : { "", "1e-200" }) { // both boxes empty, or a square that is zero
        start();
        type("TxtPeso", both);
        type("TxtAltezza", both);
        EXPECT_EQ(press("CmdCalcola", *both ? 1 : 2),
            *both ? std::vector({ divisionByZero })
                  : std::vector({ weightWarning, heightWarning }));
        EXPECT_EQ(status(), 0U);
    }
}

// Started minimized, in any of the ways a shortcut or a launcher can ask, the window opens
// minimized. (Started maximized it opens at its normal size: the controls' checks in high
// contrast start it so.)
TEST_F(Tellun, OpensMinimizedWhereAsked)
{
    for (const WORD show :
        { SW_SHOWMINIMIZED, SW_MINIMIZE, SW_SHOWMINNOACTIVE, SW_FORCEMINIMIZE }) {
        showCommand = show;
        start();
        EXPECT_TRUE(IsIconic(window)) << show;
    }
}

// With the decimal separator the user has set in Windows' settings, a comma; with none, which
// the registry takes though the settings refuse it, a point.
TEST_F(Tellun, Buttons)
{
    for (const char *separator : { ",", "" }) {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, toWide(separator).c_str());
        decimalSeparator = *separator ? separator : ".";
        checkButtons(*this);
    }
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L".");
}

// Where the program cannot go on, a critical box of its own says why, with Windows' reason (in
// the language Wine speaks here) where it has one, and the program ends with status 1.
TEST_F(Tellun, SaysWhyItCannotGoOn)
{
    process.dwProcessId = GetCurrentProcessId(); // the box is this process's own
    const auto windows = [](DWORD code) {
        return std::make_exception_ptr(std::system_error(int(code), std::system_category()));
    };
    const std::string cannot = "Impossibile creare la finestra del programma\\.";
    const std::pair<std::exception_ptr, std::string> failures[] = {
        { windows(ERROR_NOT_ENOUGH_MEMORY), cannot + "\n\n\\S.*\\S" },
        { windows(0x20000001), cannot }, // a code with no text
        { std::make_exception_ptr(std::bad_alloc()), "Memoria insufficiente\\." },
        { std::make_exception_ptr(0), "Errore imprevisto\\." },
    };
    for (const auto &failure : failures) {
        std::future<int> status;
        const auto seen = messages(1, [&] {
            status = std::async(std::launch::async, window::win32::reportFailure, failure.first);
        });
        EXPECT_EQ(status.get(), 1);
        EXPECT_TRUE(std::regex_match(seen.at(0),
            std::regex("Indice di Massa Corporea: " + failure.second + " \\(critical\\)")))
            << seen[0];
    }
}

// In this process: each control's place as the window opens on this screen and after it moves to
// screens of 96 and 192 dpi; with Windows' per-monitor dpi functions, and without them, as on
// Windows 7, where the window takes the system's dpi. (Wine has one density for every window, so
// the frame cannot follow to the second screen.)
TEST(Win32Window, PlacesFollowTheScreensDpi)
{
    for (const bool perMonitor : { true, false }) {
        SCOPED_TRACE(perMonitor ? "per-monitor dpi" : "the system's dpi");
        const window::win32::Tellun tellun(GetModuleHandleW(nullptr),
            perMonitor ? window::win32::DpiFunctions::ofSystem() : window::win32::DpiFunctions {});
        for (const int dpi : { 96, 192 }) {
            RECT suggested {};
            SendMessageW(tellun.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                reinterpret_cast<LPARAM>(&suggested));
            for (const ExpectedControl &control : expectedControls) {
                SCOPED_TRACE(std::string(control.name) + " at " + std::to_string(dpi) + " dpi");
                EXPECT_EQ(placeOf(find(tellun.hwnd(), control)),
                    std::vector({ control.left * dpi / 96, control.top * dpi / 96,
                        control.width * dpi / 96, control.height * dpi / 96 }));
            }
        }
    }
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fputs("usage: tst_tellun_win32 IMC.EXE [GoogleTest options]\n", stderr);
        return 2;
    }
    program = argv[1];
    if (program.starts_with(L'/')) { // a Unix path, from ctest: on Wine's drive Z:
        program.insert(0, L"Z:");
        std::ranges::replace(program, L'/', L'\\');
    }
    return runSelectedTests();
}
