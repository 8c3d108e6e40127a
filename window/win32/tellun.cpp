#include "window/win32/tellun.h"

#include "window/colours.h"
#include "window/win32/resources.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <new>
#include <system_error>

namespace window::win32 {

namespace {

constexpr wchar_t className[] = L"Tellun";
// A fixed single border: a caption, a close box and a minimize box, no resizing.
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;
// The control of layout row i has the id firstId + i, clear of IDOK and IDCANCEL.
constexpr int firstId = 100;

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

HFONT fontOfFamily(std::wstring_view family, const FontSpec &spec, int height)
{
    LOGFONTW font {};
    font.lfHeight = -height;
    font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = spec.italic;
    font.lfCharSet = DEFAULT_CHARSET;
    family.copy(font.lfFaceName, std::size(font.lfFaceName) - 1);
    return CreateFontIndirectW(&font);
}

// `font` selected into the screen's device context, to measure it and text in it as the screen
// draws them. Deselected before the font may be deleted.
class ScreenFont {
public:
    explicit ScreenFont(HFONT font)
        : m_screen(GetDC(nullptr))
        , m_previous(SelectObject(m_screen, font))
    {
    }
    ScreenFont(const ScreenFont &) = delete;
    ScreenFont &operator=(const ScreenFont &) = delete;
    ~ScreenFont()
    {
        SelectObject(m_screen, m_previous);
        ReleaseDC(nullptr, m_screen);
    }
    TEXTMETRICW metrics() const
    {
        TEXTMETRICW metrics {};
        GetTextMetricsW(m_screen, &metrics);
        return metrics;
    }
    int width(std::string_view text) const
    {
        const std::wstring wide = toWide(text);
        SIZE size {};
        GetTextExtentPoint32W(m_screen, wide.c_str(), static_cast<int>(wide.size()), &size);
        return size.cx;
    }

private:
    HDC m_screen;
    HGDIOBJ m_previous;
};

// The scalable family that took over from a raster one, for the sizes that the raster one has no
// bitmaps of; none for a family that scales already.
constexpr std::string_view scalableSuccessor(std::string_view family)
{
    return family == captionFont.family ? "Microsoft Sans Serif" : "";
}

// The font of `spec` with characters `height` pixels high: in its own family where the mapper
// draws it at that size, else in the scalable family that succeeded it. A raster font is drawn
// at its size only at the 96 dpi its bitmaps were made for, and only where it has that size;
// elsewhere the mapper stretches its bitmaps or gives the nearest, and the text would keep
// its size while the window grows.
HFONT drawableFont(const FontSpec &spec, int height, int dpi)
{
    const HFONT font = fontOfFamily(toWide(spec.family), spec, height);
    const std::string_view successor = scalableSuccessor(spec.family);
    if (successor.empty())
        return font;
    const TEXTMETRICW metrics = ScreenFont(font).metrics();
    if ((metrics.tmPitchAndFamily & TMPF_VECTOR)
        || (dpi == 96 && metrics.tmHeight - metrics.tmInternalLeading == height))
        return font;
    DeleteObject(font);
    return fontOfFamily(toWide(successor), spec, height);
}

// Whether every label's caption in `font`, that of `spec`, fits on one line of its width.
bool captionsFit(HFONT font, const FontSpec &spec, int dpi)
{
    const ScreenFont screen(font);
    return std::ranges::all_of(layoutTable, [&](const Control &label) {
        return label.font != &spec || label.kind != Kind::Label
            || screen.width(label.caption) <= pixelRect(label, dpi).width;
    });
}

// The font of `spec` at `dpi`, a pixel smaller at a time while a label's caption would not fit
// on its line in it: pixels round a label's width and its text's apart, and a caption wrapped
// or cut reads as another.
HFONT fittingFont(const FontSpec &spec, int dpi)
{
    for (int height = std::lround(spec.points * dpi / 72);; --height) {
        const HFONT font = drawableFont(spec, height, dpi);
        if (height <= 1 || captionsFit(font, spec, dpi))
            return font;
        DeleteObject(font);
    }
}

template<typename Function>
Function function(HMODULE module, const char *name)
{
    // Through the one function type that every other one converts from without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

std::wstring systemMessage(DWORD code)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::wstring message(text, length);
    LocalFree(text);
    while (!message.empty() && std::iswspace(message.back()))
        message.pop_back();
    return message;
}

[[noreturn]] void throwLastError()
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
}

} // namespace

DpiFunctions DpiFunctions::ofSystem()
{
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return { function<decltype(forWindow)>(user32, "GetDpiForWindow"),
        function<decltype(adjustWindowRect)>(user32, "AdjustWindowRectExForDpi") };
}

int reportFailure(const std::exception_ptr &failure)
{
    std::wstring text;
    try {
        std::rethrow_exception(failure);
    } catch (const std::system_error &error) {
        text = L"Impossibile creare la finestra del programma.";
        if (const std::wstring reason = systemMessage(static_cast<DWORD>(error.code().value()));
            !reason.empty())
            text += L"\n\n" + reason;
    } catch (const std::bad_alloc &) {
        text = L"Memoria insufficiente.";
    } catch (...) {
        text = L"Errore imprevisto.";
    }
    MessageBoxW(nullptr, text.c_str(), toWide(caption).c_str(), MB_OK | MB_ICONERROR);
    return 1;
}

Tellun::Tellun(HINSTANCE instance, DpiFunctions dpi)
    : m_instance(instance)
    , m_dpiFunctions(dpi)
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
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throwLastError();

    if (!CreateWindowExW(windowExStyle, className, toWide(caption).c_str(), windowStyle,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
            this)) {
        if (m_failure)
            std::rethrow_exception(m_failure);
        throwLastError();
    }
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
    // Minimized where the shortcut asks for it; any other way at its normal size, since a window
    // of a fixed size has nothing to maximize.
    const bool minimized = show == SW_SHOWMINIMIZED || show == SW_MINIMIZE
        || show == SW_SHOWMINNOACTIVE || show == SW_FORCEMINIMIZE;
    ShowWindow(m_window, minimized ? show : SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager presses the focused button on Space and on Enter; Enter elsewhere
        // and Escape anywhere give IDOK and IDCANCEL, which no button has.
        if (!m_window || !IsDialogMessageW(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (m_failure)
        std::rethrow_exception(m_failure);
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
    try {
        return self->onMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the system's frames: the program ends, and run() (or, at
        // creation, the constructor) passes it on to be reported.
        self->m_failure = std::current_exception();
        if (message == WM_CREATE)
            return -1;
        PostQuitMessage(1);
        return 0;
    }
}

LRESULT Tellun::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls();
        layOut(dpi());
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
    case WM_CLOSE:
        // The close box, or another program asking: a handler (and its message boxes) first.
        if (m_inCommand) {
            m_closeRequested = true;
            return 0;
        }
        break;
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
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: // the colour scheme, or high contrast, changed
        RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
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
    for (const int row : creationOrder) {
        const Control *const control = &layoutTable[static_cast<std::size_t>(row)];
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
        m_controls[static_cast<std::size_t>(row)] = CreateWindowExW(exStyle, windowClass,
            toWide(control->caption).c_str(), style, 0, 0, 0, 0, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + row)), m_instance, nullptr);
    }
    m_focus = m_controls[openingFocus];
}

void Tellun::layOut(int dpi)
{
    m_dpi = dpi;
    std::vector<std::pair<const FontSpec *, HFONT>> fonts;
    for (std::size_t row = 0; row < layoutTable.size(); ++row) {
        const Control &control = layoutTable[row];
        const HWND handle = m_controls[row];
        if (!handle)
            continue;
        const PixelRect rect = pixelRect(control, dpi);
        SetWindowPos(handle, nullptr, rect.left, rect.top, rect.width, rect.height,
            SWP_NOZORDER | SWP_NOACTIVATE);
        auto font
            = std::ranges::find(fonts, control.font, &std::pair<const FontSpec *, HFONT>::first);
        if (font == fonts.end())
            font = fonts.insert(fonts.end(), { control.font, fittingFont(*control.font, dpi) });
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font->second), FALSE);
    }
    for (const auto &[spec, font] : m_fonts)
        DeleteObject(font);
    m_fonts = std::move(fonts);

    const SIZE client { toPixels(clientWidth, dpi), toPixels(clientHeight, dpi) };
    RECT frame { 0, 0, client.cx, client.cy };
    if (m_dpiFunctions.adjustWindowRect)
        m_dpiFunctions.adjustWindowRect(
            &frame, windowStyle, FALSE, windowExStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&frame, windowStyle, FALSE, windowExStyle);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame as drawn, where it differs from the one computed (Wine 10 draws a per-monitor
    // window's caption at the system's dpi, not at the window's).
    RECT drawn;
    GetClientRect(m_window, &drawn);
    if (drawn.right != client.cx || drawn.bottom != client.cy)
        SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left + client.cx - drawn.right,
            frame.bottom - frame.top + client.cy - drawn.bottom,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_window, nullptr, TRUE);
}

void Tellun::paint()
{
    PAINTSTRUCT painting;
    auto *const dc = BeginPaint(m_window, &painting);
    for (const Control &control : layoutTable) {
        if (control.kind != Kind::Line)
            continue;
        const PixelRect line = pixelRect(control, m_dpi);
        const RECT rect { line.left, line.top, line.left + line.width, line.top + line.height };
        FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    EndPaint(m_window, &painting);
}

// The label's system colour made readable on the button face (readableOn); in a high-contrast
// scheme the scheme's own text colour, as the user chose it.
COLORREF Tellun::labelColour(Colour colour)
{
    HIGHCONTRASTW scheme {};
    scheme.cbSize = sizeof scheme;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof scheme, &scheme, 0)
        && (scheme.dwFlags & HCF_HIGHCONTRASTON))
        return GetSysColor(COLOR_BTNTEXT);
    const Rgb shown
        = readableOn(toRgb(GetSysColor(systemColour(colour))), toRgb(GetSysColor(COLOR_BTNFACE)));
    return RGB(shown.red, shown.green, shown.blue);
}

LRESULT Tellun::labelColours(HDC dc, const Control &label)
{
    SetTextColor(dc, labelColour(label.colour));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

int Tellun::dpi() const
{
    if (m_dpiFunctions.forWindow)
        return static_cast<int>(m_dpiFunctions.forWindow(m_window));
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void Tellun::click(int id)
{
    const auto row = static_cast<std::size_t>(id - firstId);
    if (id < firstId || row >= layoutTable.size())
        return;
    if (const Command command = layoutTable[row].link.command; command != Command::None) {
        m_inCommand = true;
        m_commands.run(command);
        m_inCommand = false;
    }
    if (m_closeRequested && m_window)
        DestroyWindow(m_window);
}

} // namespace window::win32
