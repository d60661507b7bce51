// Registers and creates the main window; its procedure only translates messages into
// the host's events.
#include "main_window.h"

#include "program_icon.h"
#include "screen.h"
#include "win32_host.h"

namespace {

constexpr const char* kMainWindowClass = "VellumryMain";
constexpr const char* kOwnerClass = "VellumryOwner";

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!host) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_NCHITTEST: {
        // The bare client area drags the window as its caption bar would.
        LRESULT hit = DefWindowProcA(window, message, wParam, lParam);
        return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_COMMAND:
        host->onCommand(wParam, lParam);
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (auto brush = host->controlColours(reinterpret_cast<HWND>(lParam),
                                              reinterpret_cast<HDC>(wParam))) {
            return reinterpret_cast<LRESULT>(*brush);
        }
        break;
    case WM_TIMER:
        host->onTimer(wParam);
        return 0;
    case WM_SIZE:
        host->onSizeChanged();
        return 0;
    case WM_SETFOCUS:
        host->onFocused();
        return 0;
    case WM_SYSCOMMAND:
        if (host->onSystemCommand(wParam, lParam)) return 0;
        break;
    case WM_CLOSE:
        host->onCloseRequested();
        return 0;
    case WM_DESTROY:
        host->onDestroyed();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

MainWindowFrame createMainWindow(Win32Host& host, HMENU menu) {
    MainWindowFrame frame;
    if (!registerProgramWindowClass(kOwnerClass, DefWindowProcA, nullptr) ||
        !registerProgramWindowClass(kMainWindowClass, mainWindowProc,
                                    reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
        return frame;
    }
    // A window with an owner gets no taskbar button; the owner itself is never shown.
    frame.owner = CreateWindowExA(0, kOwnerClass, kMainWindowTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    POINT origin = centredOrigin(kMainWindowWidth, kMainWindowHeight);
    frame.window = CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, WS_OVERLAPPEDWINDOW,
                                   origin.x, origin.y, kMainWindowWidth, kMainWindowHeight,
                                   frame.owner, menu, GetModuleHandleA(nullptr), &host);
    return frame;
}
