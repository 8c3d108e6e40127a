#include "window/win32/tellun.h"

#include <commctrl.h>

// Named as Windows declares them; the program takes no command line.
int WINAPI wWinMain(
    HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/, int nShowCmd)
{
    const INITCOMMONCONTROLSEX controls { sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&controls);
    try {
        window::win32::Tellun tellun(hInstance);
        return tellun.run(nShowCmd);
    } catch (...) {
        return window::win32::reportFailure(std::current_exception());
    }
}
