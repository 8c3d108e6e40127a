// imc.exe as a user meets it, driven from this second process. Each test starts the program
// afresh and finds its window by class and caption, each control by its caption, and each text
// box by the label just before it, the label a screen reader names it by. Text goes in with
// WM_SETTEXT, buttons are pressed with BM_CLICK and keys with SendInput, and each message box
// is found by its class "#32770", read, and dismissed with the IDOK its button would send.
// Another process can only be watched, so waits poll, for ten seconds at most.
#include "window/win32/tellun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

namespace {

std::wstring program; // imc.exe, from the command line
const std::wstring caption = L"Indice di Massa Corporea";

template<typename F>
auto waitFor(F done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    auto result = done();
    while (!result && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        result = done();
    }
    return result;
}

std::wstring textOf(HWND window)
{
    wchar_t text[256] {};
    SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring classOf(HWND window)
{
    wchar_t name[64] {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

RECT clientRect(HWND control) // in its parent's client area
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&rect), 2);
    return { rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top };
}

// What the screen shows of `area`.
class Screenshot {
public:
    explicit Screenshot(RECT area)
        : m_dc(CreateCompatibleDC(nullptr))
        , m_area(area)
    {
        const HDC screen = GetDC(nullptr);
        m_bitmap = CreateCompatibleBitmap(screen, area.right - area.left, area.bottom - area.top);
        SelectObject(m_dc, m_bitmap);
        BitBlt(m_dc, 0, 0, area.right - area.left, area.bottom - area.top, screen, area.left,
            area.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    ~Screenshot()
    {
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    COLORREF at(int x, int y) const { return GetPixel(m_dc, x, y); }
    template<typename Test>
    int count(Test test) const
    {
        int found = 0;
        for (int y = 0; y < m_area.bottom - m_area.top; ++y)
            for (int x = 0; x < m_area.right - m_area.left; ++x)
                found += test(at(x, y)) ? 1 : 0;
        return found;
    }

private:
    HDC m_dc;
    HBITMAP m_bitmap {};
    RECT m_area;
};

enum class Icon { Information, Critical };

struct Message {
    std::wstring title;
    std::wstring text;
    Icon icon;
};

enum class Kind { Label, TextBox, Button };

// What the user sees at 96 dpi, in pixels; a text box is named by its label.
struct Expected {
    const wchar_t *name;
    Kind kind;
    RECT place; // left, top, width, height
    const wchar_t *font;
    int pixels; // the character height
    bool bold;
    bool italic;
};

const wchar_t *const sans = L"MS Sans Serif";
const wchar_t *const verdana = L"Verdana";
// clang-format off
const Expected expected[] = {
    { L"INDICE DI MASSA CORPOREA",                         Kind::Label,   {  24,  16, 313, 20 }, sans,    16, true,  false },
    { L"Utilizzare il punto come separatore dei decimali", Kind::Label,   {  24,  48, 313, 20 }, sans,    11, false, false },
    { L"PESO REALE   Kg",                                  Kind::Label,   {  88,  72, 121, 17 }, sans,    13, false, false },
    { L"PESO REALE   Kg",                                  Kind::TextBox, { 216,  72,  57, 17 }, sans,    11, false, false },
    { L"ALTEZZA           m  ",                            Kind::Label,   {  88, 112, 121, 17 }, sans,    13, false, false },
    { L"ALTEZZA           m  ",                            Kind::TextBox, { 216, 112,  57, 17 }, sans,    11, false, false },
    { L"Peso Reale    [Kg]",                               Kind::Label,   { 160, 152, 113, 17 }, sans,    13, false, false },
    { L"Formula Utilizzata  :",                            Kind::Label,   {  32, 168, 121, 17 }, sans,    13, false, false },
    { L"Altezza \u00b2     [m\u00b2]",                     Kind::Label,   { 168, 184,  97, 17 }, sans,    13, false, false },
    { L"Calcola",                                          Kind::Button,  { 136, 224,  81, 25 }, sans,    13, false, false },
    { L"Fattore Peso",                                     Kind::Label,   {  88, 272, 121, 17 }, sans,    13, false, false },
    { L"Fattore Peso",                                     Kind::TextBox, { 216, 272,  57, 17 }, sans,    11, false, false },
    { L"Cancella",                                         Kind::Button,  {  48, 320,  81, 25 }, sans,    13, false, false },
    { L"Uscita",                                           Kind::Button,  { 224, 320,  81, 25 }, sans,    13, false, false },
    { L"Versione 1.2",                                     Kind::Label,   { 136, 352,  93, 23 }, verdana, 13, true,  false },
    { L"By Quellbrin",                                     Kind::Label,   { 112, 376, 141, 23 }, verdana, 13, false, true  },
};
// clang-format on

// A control of `window`: a text box by its label, anything else by its caption.
HWND find(HWND window, const Expected &row)
{
    const HWND named = FindWindowExW(window, nullptr, nullptr, row.name);
    return row.kind == Kind::TextBox ? GetWindow(named, GW_HWNDNEXT) : named;
}

class Imc : public testing::Test {
protected:
    void TearDown() override
    {
        if (!m_process.hProcess)
            return;
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, INFINITE);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
        m_process = {};
    }

    void start()
    {
        TearDown();
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program + L"\"";
        ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
            nullptr, nullptr, &startup, &m_process));
        // Idle: the window is shown and painted, and waits for input.
        WaitForInputIdle(m_process.hProcess, 10000);
        m_window = waitFor([&] { return topLevel(L"Tellun"); });
        ASSERT_TRUE(m_window);
        SetForegroundWindow(m_window);
    }

    // The visible top-level window of class `name` that the program shows, or none.
    HWND topLevel(const wchar_t *name) const
    {
        struct Search {
            DWORD process;
            const wchar_t *name;
            HWND found;
        } search { m_process.dwProcessId, name, nullptr };
        EnumWindows(
            [](HWND window, LPARAM data) {
                auto &search = *reinterpret_cast<Search *>(data);
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                if (process == search.process && IsWindowVisible(window)
                    && classOf(window) == search.name)
                    search.found = window;
                return search.found ? FALSE : TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HWND control(const wchar_t *caption) const
    {
        return FindWindowExW(m_window, nullptr, nullptr, caption);
    }
    HWND textBox(const wchar_t *label) const
    {
        return find(m_window, { label, Kind::TextBox, {}, nullptr, 0, false, false });
    }
    void type(const wchar_t *label, const wchar_t *text) const
    {
        SendMessageW(textBox(label), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    void press(const wchar_t *button) const { PostMessageW(control(button), BM_CLICK, 0, 0); }

    void key(WORD key, bool shift = false) const
    {
        std::vector<INPUT> inputs;
        const auto add = [&](WORD code, DWORD flags) {
            INPUT input {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = code;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        };
        if (shift)
            add(VK_SHIFT, 0);
        add(key, 0);
        add(key, KEYEVENTF_KEYUP);
        if (shift)
            add(VK_SHIFT, KEYEVENTF_KEYUP);
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }

    HWND focus() const
    {
        GUITHREADINFO thread {};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(m_process.dwThreadId, &thread);
        return thread.hwndFocus;
    }
    // Presses a key, and waits until the focus has left where it was.
    HWND moveFocus(bool back)
    {
        const HWND from = focus();
        key(VK_TAB, back);
        return waitFor([&] { return focus() != from ? focus() : nullptr; });
    }

    // The next message box: waits for it, reads it, and presses its OK.
    Message nextMessage() const
    {
        const HWND box = waitFor([&] { return topLevel(L"#32770"); });
        if (!box)
            return { L"(no message box)", {}, {} };
        HWND icon = nullptr;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                icon = child;
        RECT area;
        GetWindowRect(icon, &area);
        // The information icon is blue, the critical one red; wait until it is drawn.
        int blue = 0, red = 0;
        waitFor([&] {
            const Screenshot shot(area);
            blue = shot.count([](COLORREF c) { return GetBValue(c) > GetRValue(c) + 64; });
            red = shot.count([](COLORREF c) { return GetRValue(c) > GetBValue(c) + 64; });
            return blue + red > 100;
        });
        Message message { textOf(box), textOf(GetDlgItem(box, 0xffff)),
            blue > red ? Icon::Information : Icon::Critical };
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        waitFor([&] { return !IsWindow(box); });
        return message;
    }

    DWORD exitStatus() const
    {
        DWORD status = STILL_ACTIVE;
        if (WaitForSingleObject(m_process.hProcess, 10000) == WAIT_OBJECT_0)
            GetExitCodeProcess(m_process.hProcess, &status);
        return status;
    }

    PROCESS_INFORMATION m_process {};
    HWND m_window = nullptr;
};

const Message classMessage { L"Indicazione Stato Fisico", L"Lo Stato Fisico \u00e8 : di Peso Forma",
    Icon::Information };
const Message weightWarning { L"Attenzione !!!", L"Il valore del peso deve essere maggiore di zero",
    Icon::Information };
const Message heightWarning { L"Attenzione !!!",
    L"Il valore dell'altezza deve essere maggiore di zero", Icon::Information };

void PrintTo(const Message &message, std::ostream *os)
{
    *os << testing::PrintToString(message.title) << " " << testing::PrintToString(message.text)
        << (message.icon == Icon::Information ? " (information)" : " (critical)");
}
bool operator==(const Message &a, const Message &b)
{
    return a.title == b.title && a.text == b.text && a.icon == b.icon;
}

TEST_F(Imc, ControlsAtTheirPlacesWithTheirCaptions)
{
    start();
    EXPECT_EQ(textOf(m_window), caption);
    RECT client;
    GetClientRect(m_window, &client);
    EXPECT_EQ(client.right, 361);
    EXPECT_EQ(client.bottom, 414);
    int children = 0;
    for (HWND child = GetWindow(m_window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, static_cast<int>(std::size(expected)));

    const wchar_t *const classes[] = { L"Static", L"Edit", L"Button" };
    for (const Expected &row : expected) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
        const HWND control = find(m_window, row);
        ASSERT_TRUE(control);
        EXPECT_EQ(classOf(control), classes[static_cast<int>(row.kind)]);
        if (row.kind == Kind::TextBox) {
            EXPECT_EQ(textOf(control), L"");
        }
        const RECT place = clientRect(control);
        EXPECT_EQ(std::vector({ place.left, place.top, place.right, place.bottom }),
            std::vector({ row.place.left, row.place.top, row.place.right, row.place.bottom }));
        // Only the boxes and buttons take the focus.
        EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0, row.kind != Kind::Label);
    }
}

TEST_F(Imc, LabelsInTheSystemColoursAndTheFractionBar)
{
    start();
    RECT client;
    GetClientRect(m_window, &client);
    MapWindowPoints(m_window, nullptr, reinterpret_cast<POINT *>(&client), 2);
    const Screenshot shot(client);
    const auto shows = [&](RECT place, COLORREF colour) {
        for (int y = place.top; y < place.top + place.bottom; ++y)
            for (int x = place.left; x < place.left + place.right; ++x)
                if (shot.at(x, y) == colour)
                    return true;
        return false;
    };
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT), desktop = GetSysColor(COLOR_DESKTOP);
    ASSERT_NE(desktop, GetSysColor(COLOR_WINDOWTEXT));
    const std::wstring highlighted[] = { L"INDICE DI MASSA CORPOREA",
        L"Utilizzare il punto come separatore dei decimali", L"Versione 1.2", L"By Quellbrin" };
    for (const Expected &row : expected) {
        if (row.kind != Kind::Label)
            continue;
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
        const bool inHighlight = std::ranges::count(highlighted, row.name) == 1;
        EXPECT_EQ(shows(row.place, highlight), inHighlight);
        EXPECT_EQ(shows(row.place, desktop), !inHighlight);
    }
    // The fraction bar: one pixel thick, in the window-text colour, from x 160 to 263 at y 176.
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT), face = GetSysColor(COLOR_BTNFACE);
    for (int x = 160; x < 264; ++x)
        EXPECT_EQ(shot.at(x, 176), text) << x;
    for (const POINT p : {
             POINT {159, 176},
              {264, 176},
              {200, 175},
              {200, 177}
    })
        EXPECT_EQ(shot.at(p.x, p.y), face) << p.x << "," << p.y;
}

TEST_F(Imc, TabAndShiftTabFollowTheTabOrderAndWrap)
{
    start();
    const std::vector<HWND> order { textBox(L"PESO REALE   Kg"), control(L"Uscita"),
        control(L"Calcola"), control(L"Cancella"), textBox(L"ALTEZZA           m  "),
        textBox(L"Fattore Peso") };
    ASSERT_EQ(waitFor([&] { return focus(); }), order[0]);
    for (std::size_t step = 1; step <= order.size(); ++step)
        EXPECT_EQ(moveFocus(false), order[step % order.size()]) << "Tab " << step;
    for (std::size_t step = order.size(); step-- > 0;)
        EXPECT_EQ(moveFocus(true), order[step]) << "Shift+Tab to " << step;
}

TEST_F(Imc, EnterAndEscapeDoNothingAndSpaceClicks)
{
    start();
    key(VK_RETURN); // in TxtPeso
    key(VK_ESCAPE);
    EXPECT_EQ(moveFocus(false), control(L"Uscita"));
    EXPECT_EQ(moveFocus(false), control(L"Calcola"));
    key(VK_RETURN);
    key(VK_ESCAPE);
    EXPECT_EQ(moveFocus(true), control(L"Uscita")); // every key before has been handled
    EXPECT_FALSE(topLevel(L"#32770"));
    EXPECT_EQ(moveFocus(false), control(L"Calcola"));
    key(VK_SPACE);
    EXPECT_EQ(nextMessage(), weightWarning);
    EXPECT_EQ(nextMessage(), heightWarning);
}

TEST_F(Imc, CalculationShowsTheIndexAndTellsTheClass)
{
    start();
    type(L"PESO REALE   Kg", L"70");
    type(L"ALTEZZA           m  ", L"1.75");
    press(L"Calcola");
    EXPECT_EQ(nextMessage(), classMessage);
    EXPECT_EQ(textOf(textBox(L"Fattore Peso")), L"22.85714");

    type(L"ALTEZZA           m  ", L"1,75"); // a comma ends the number: the height reads 1
    press(L"Calcola");
    EXPECT_EQ(nextMessage().text, L"Lo Stato Fisico \u00e8 : di Super Obeso");
    EXPECT_EQ(textOf(textBox(L"Fattore Peso")), L"70");
}

TEST_F(Imc, ResultTakesTheDecimalSeparatorOfTheUsersLocale)
{
    // As the user sets it in the Control Panel, until the end of the test.
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L",");
    const std::unique_ptr<void, void (*)(void *)> restore(
        nullptr, [](void *) { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L"."); });
    start();
    type(L"PESO REALE   Kg", L"70");
    type(L"ALTEZZA           m  ", L"1.75");
    press(L"Calcola");
    EXPECT_EQ(nextMessage(), classMessage);
    EXPECT_EQ(textOf(textBox(L"Fattore Peso")), L"22,85714");
    // Input keeps "." as its only separator.
    type(L"ALTEZZA           m  ", L"1,75");
    press(L"Calcola");
    EXPECT_EQ(nextMessage().text, L"Lo Stato Fisico \u00e8 : di Super Obeso");
}

TEST_F(Imc, EmptyBoxesGetBothWarningsInOrder)
{
    start();
    press(L"Calcola");
    EXPECT_EQ(nextMessage(), weightWarning);
    EXPECT_EQ(nextMessage(), heightWarning);
    EXPECT_EQ(textOf(textBox(L"Fattore Peso")), L"");
}

TEST_F(Imc, RunTimeErrorIsReportedAndTheProgramGoesOn)
{
    start();
    type(L"PESO REALE   Kg", L"1e39");
    type(L"ALTEZZA           m  ", L"1");
    press(L"Calcola");
    EXPECT_EQ(nextMessage(),
        (Message { caption, L"Errore di run-time '6':\n\nOverflow", Icon::Critical }));
    EXPECT_EQ(textOf(textBox(L"Fattore Peso")), L"");

    type(L"PESO REALE   Kg", L"70");
    type(L"ALTEZZA           m  ", L"1.75");
    press(L"Calcola");
    EXPECT_EQ(nextMessage(), classMessage);
}

TEST_F(Imc, ClearLeavesOneBlankInEachBox)
{
    start();
    type(L"PESO REALE   Kg", L"70");
    type(L"ALTEZZA           m  ", L"1.75");
    type(L"Fattore Peso", L"abc");
    // No box opens, so the click is over when SendMessage returns.
    SendMessageW(control(L"Cancella"), BM_CLICK, 0, 0);
    for (const wchar_t *label : { L"PESO REALE   Kg", L"ALTEZZA           m  ", L"Fattore Peso" })
        EXPECT_EQ(textOf(textBox(label)), L" ");
    EXPECT_FALSE(topLevel(L"#32770"));
}

TEST_F(Imc, UscitaAndTheCloseBoxEndWithStatusZero)
{
    start();
    type(L"PESO REALE   Kg", L"70");
    press(L"Uscita");
    EXPECT_EQ(exitStatus(), 0u);

    start();
    PostMessageW(m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(exitStatus(), 0u);
}

// In this process: the fonts the window asks for, and each control's place and font after the
// window moves to a screen of twice the density. (Wine has one density for every window, so
// the frame around them cannot follow here.)
TEST(Win32Window, FontsAndPlacesFollowTheScreensDpi)
{
    window::win32::Tellun tellun(GetModuleHandleW(nullptr));
    for (const int dpi : { 96, 192 }) {
        SCOPED_TRACE(dpi);
        if (dpi != 96) {
            RECT suggested { 0, 0, 0, 0 };
            SendMessageW(tellun.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                reinterpret_cast<LPARAM>(&suggested));
        }
        for (const Expected &row : expected) {
            SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
            const HWND control = find(tellun.handle(), row);
            const RECT place = clientRect(control);
            EXPECT_EQ(place.left, row.place.left * dpi / 96);
            EXPECT_EQ(place.bottom, row.place.bottom * dpi / 96);
            LOGFONTW font {};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                sizeof font, &font);
            EXPECT_EQ(std::wstring(font.lfFaceName), row.font);
            EXPECT_EQ(font.lfHeight, -row.pixels * dpi / 96);
            EXPECT_EQ(font.lfWeight, row.bold ? FW_BOLD : FW_NORMAL);
            EXPECT_EQ(font.lfItalic != 0, row.italic);
        }
    }
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fputs("usage: tst_tellun_win32 PATH-TO-imc.exe\n", stderr);
        return 2;
    }
    // A Unix path, as ctest gives it, is on Wine's drive Z:.
    program = argv[1];
    if (program.starts_with(L'/')) {
        std::replace(program.begin(), program.end(), L'/', L'\\');
        program = L"Z:" + program;
    }
    return RUN_ALL_TESTS();
}
