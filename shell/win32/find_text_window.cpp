// Creates the find window from its definition and routes its button to the logic.
#include "find_text_window.h"

#include "program_icon.h"
#include "screen.h"
#include "shell/window_definitions.h"
#include "window_text.h"

#include <algorithm>

namespace {

constexpr const char* kFindWindowClass = "VellumryFind";
constexpr DWORD kFindWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

HWND createControl(HWND parent, const ControlDefinition& place, const char* windowClass,
                   const char* caption, DWORD style, DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, windowClass, caption,
                                   WS_CHILD | WS_TABSTOP | (place.visible ? WS_VISIBLE : 0) | style,
                                   place.left, place.top, place.width, place.height, parent,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

} // namespace

void FindTextWindow::open(HWND owner) {
    if (window_) {
        if (IsIconic(window_)) {
            ShowWindow(window_, SW_RESTORE);
        } else {
            SetForegroundWindow(window_);
        }
        return;
    }
    registerProgramWindowClass(kFindWindowClass, procedure,
                               reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    POINT origin = centredOrigin(kFindWindowWidth, kFindWindowHeight);
    CreateWindowExA(0, kFindWindowClass, kFindWindowTitle, kFindWindowStyle, origin.x, origin.y,
                    kFindWindowWidth, kFindWindowHeight, owner, nullptr, GetModuleHandleA(nullptr),
                    this);
    if (!window_) return;
    createControls();
    ShowWindow(window_, SW_SHOW);
    SetFocus(searchBox_);
}

void FindTextWindow::createControls() {
    for (const ControlDefinition& place : kFindWindowControls) {
        if (place.kind == ControlKind::editBox) {
            searchBox_ = createControl(window_, place, "EDIT", "", ES_LEFT | ES_AUTOHSCROLL,
                                       WS_EX_CLIENTEDGE);
        } else if (place.kind == ControlKind::pushButton) {
            button_ = createControl(window_, place, "BUTTON", kFindButtonCaption,
                                    BS_PUSHBUTTON | BS_CENTER, 0);
        }
    }
    fitSearchBoxToFont();
}

// The box grows when its font needs more than the height it was given.
void FindTextWindow::fitSearchBoxToFont() {
    HDC dc = GetDC(searchBox_);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(searchBox_, dc);
    // The sunken edge above and below, and a pixel of margin on each side of the text.
    int needed = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE) + 2;
    SIZE size = outerSize(searchBox_);
    SetWindowPos(searchBox_, nullptr, 0, 0, size.cx, std::max<int>(size.cy, needed),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Text FindTextWindow::searchText() const {
    return windowText(searchBox_);
}

bool FindTextWindow::swallowsKey(const MSG& message) const {
    if (message.hwnd != searchBox_ || !searchBox_) return false;
    return (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) ||
           (message.message == WM_CHAR && message.wParam == '\r');
}

LRESULT CALLBACK FindTextWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<FindTextWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FindTextWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->onMessage(message, wParam, lParam);
}

LRESULT FindTextWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == button_ && HIWORD(wParam) == BN_CLICKED &&
            kEvents.findButtonClicked) {
            kEvents.findButtonClicked();
        }
        return 0;
    case WM_CTLCOLOREDIT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && IsChild(window_, GetFocus())) lastFocus_ = GetFocus();
        break;
    case WM_SETFOCUS:
        SetFocus(lastFocus_ ? lastFocus_ : searchBox_);
        return 0;
    case WM_NCDESTROY: {
        HWND window = window_;
        *this = FindTextWindow{};
        return DefWindowProcA(window, message, wParam, lParam);
    }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
