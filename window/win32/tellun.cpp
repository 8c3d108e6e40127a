#include "window/win32/tellun.h"

#include "window/win32/resources.h"

#include <algorithm>
#include <cmath>

namespace window::win32 {

namespace {

constexpr wchar_t className[] = L"Tellun";
// A fixed single border: a caption, a close box and a minimize box, no resizing.
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;
// The control of layout row i has the id firstId + i, clear of IDOK and IDCANCEL.
constexpr int firstId = 100;

std::size_t rowOf(const Control &control)
{
    return static_cast<std::size_t>(&control - layoutTable.data());
}

int systemColour(Colour colour)
{
    switch (colour) {
    case Colour::Highlight:
        return COLOR_HIGHLIGHT;
    case Colour::Desktop:
        return COLOR_DESKTOP;
    case Colour::Default:
        break;
    }
    return COLOR_WINDOWTEXT;
}

HFONT createFont(const FontSpec &spec, int dpi)
{
    LOGFONTW font {};
    font.lfHeight = -std::lround(spec.points * dpi / 72); // the character height, in pixels
    font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = spec.italic;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring family = toWide(spec.family);
    family.copy(font.lfFaceName, std::size(font.lfFaceName) - 1);
    return CreateFontIndirectW(&font);
}

} // namespace

Tellun::Tellun(HINSTANCE instance)
    : m_instance(instance)
    , m_commands(m_form, m_messages, [this] { DestroyWindow(m_window); })
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IMC_ICON));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IMC_ICON),
        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);

    CreateWindowExW(windowExStyle, className, toWide(caption).c_str(), windowStyle, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
}

Tellun::~Tellun()
{
    if (m_window)
        DestroyWindow(m_window);
    for (const auto &[spec, font] : m_fonts)
        DeleteObject(font);
}

int Tellun::run(int show)
{
    ShowWindow(m_window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // No button has a default or a cancel role: Enter and Escape do nothing, wherever the
        // focus is. (Their key codes are also their characters.)
        if ((message.message == WM_KEYDOWN || message.message == WM_CHAR)
            && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE))
            continue;
        if (!m_window || !IsDialogMessageW(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK Tellun::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self
            = static_cast<Tellun *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Tellun *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Tellun::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls();
        layOut(static_cast<int>(GetDpiForWindow(m_window)));
        return 0;
    case WM_DPICHANGED: {
        // The size follows from the new dpi; the place is the one Windows suggests.
        layOut(HIWORD(wParam));
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_window, nullptr, suggested.left, suggested.top, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(m_window, focus))
                m_focus = focus;
        }
        break;
    case WM_SETFOCUS:
        SetFocus(m_focus);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            click(LOWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        if (const auto *const row = std::ranges::find(m_controls, reinterpret_cast<HWND>(lParam));
            row != m_controls.end())
            return labelColours(reinterpret_cast<HDC>(wParam),
                layoutTable[static_cast<std::size_t>(row - m_controls.begin())]);
        break;
    case WM_PAINT:
        paint();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void Tellun::createControls()
{
    for (const Control *control : creationOrder()) {
        const wchar_t *windowClass = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        switch (control->kind) {
        case Kind::Line:
            continue; // drawn by the window itself
        case Kind::TextBox:
            windowClass = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case Kind::Button:
            windowClass = L"BUTTON";
            style |= WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case Kind::Label:
            style |= SS_NOPREFIX | (control->align == Align::Centre ? SS_CENTER : SS_LEFT);
            break;
        }
        const std::size_t row = rowOf(*control);
        m_controls[row] = CreateWindowExW(exStyle, windowClass, toWide(control->caption).c_str(),
            style, 0, 0, 0, 0, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + row)), m_instance, nullptr);
    }
    m_focus = control("TxtPeso");
}

void Tellun::layOut(int dpi)
{
    m_dpi = dpi;
    std::vector<std::pair<const FontSpec *, HFONT>> fonts;
    for (const Control &control : layoutTable) {
        const HWND handle = m_controls[rowOf(control)];
        if (!handle)
            continue;
        const PixelRect rect = pixelRect(control, dpi);
        SetWindowPos(handle, nullptr, rect.left, rect.top, rect.width, rect.height,
            SWP_NOZORDER | SWP_NOACTIVATE);
        auto font
            = std::ranges::find(fonts, control.font, &std::pair<const FontSpec *, HFONT>::first);
        if (font == fonts.end())
            font = fonts.insert(fonts.end(), { control.font, createFont(*control.font, dpi) });
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font->second), FALSE);
    }
    for (const auto &[spec, font] : m_fonts)
        DeleteObject(font);
    m_fonts = std::move(fonts);

    RECT frame { 0, 0, toPixels(clientWidth, dpi), toPixels(clientHeight, dpi) };
    AdjustWindowRectExForDpi(&frame, windowStyle, FALSE, windowExStyle, static_cast<UINT>(dpi));
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_window, nullptr, TRUE);
}

void Tellun::paint()
{
    PAINTSTRUCT painting;
    auto *const dc = BeginPaint(m_window, &painting);
    const PixelRect line = pixelRect(window::control("Line1"), m_dpi);
    const RECT rect { line.left, line.top, line.left + line.width, line.top + line.height };
    FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWTEXT));
    EndPaint(m_window, &painting);
}

LRESULT Tellun::labelColours(HDC dc, const Control &label)
{
    SetTextColor(dc, GetSysColor(systemColour(label.colour)));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Tellun::click(int id)
{
    const auto row = static_cast<std::size_t>(id - firstId);
    if (id < firstId || row >= layoutTable.size())
        return;
    for (const ButtonHandler &handler : buttonHandlers) {
        if (handler.button == layoutTable[row].name)
            (m_commands.*handler.click)();
    }
}

HWND Tellun::control(std::string_view name) const
{
    return m_controls[rowOf(window::control(name))];
}

} // namespace window::win32
