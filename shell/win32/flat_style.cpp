// Subclasses sunken edit boxes, those that exist and, through a creation hook on the
// GUI thread, those made later, and repaints their border flat while a scheme is on.
#include "flat_style.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string_view>

namespace {

constexpr UINT_PTR kFlatBorderId = 1;

std::optional<COLORREF> frameColour; // empty while the flat drawing is off
HHOOK creationHook = nullptr;

std::optional<COLORREF> schemeColour(int scheme) {
    switch (scheme) {
    case 1:
        return RGB(0x7B, 0x9E, 0xBD);
    case 2:
        return RGB(0xA4, 0xB9, 0x7F);
    case 3:
        return RGB(0xC6, 0xC5, 0xD7);
    default:
        return std::nullopt;
    }
}

void paintFlatBorder(HWND control) {
    HDC dc = GetWindowDC(control);
    RECT bounds{};
    GetWindowRect(control, &bounds);
    OffsetRect(&bounds, -bounds.left, -bounds.top);
    HBRUSH frame = CreateSolidBrush(*frameColour);
    FrameRect(dc, &bounds, frame);
    DeleteObject(frame);
    // The sunken edge is two pixels deep; its inner pixel takes the box's own background.
    InflateRect(&bounds, -1, -1);
    FrameRect(dc, &bounds,
              GetSysColorBrush(IsWindowEnabled(control) ? COLOR_WINDOW : COLOR_BTNFACE));
    ReleaseDC(control, dc);
}

LRESULT CALLBACK flatBorder(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    if (message == WM_NCPAINT && frameColour) paintFlatBorder(control);
    return result;
}

bool isSunkenEditBox(HWND window, DWORD exStyle) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    return (exStyle & WS_EX_CLIENTEDGE) && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE,
                                                          className, -1, "Edit", -1) == CSTR_EQUAL;
}

void adopt(HWND window, DWORD exStyle) {
    if (isSunkenEditBox(window, exStyle)) SetWindowSubclass(window, flatBorder, kFlatBorderId, 0);
}

LRESULT CALLBACK watchCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        adopt(reinterpret_cast<HWND>(wParam),
              reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->dwExStyle);
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

BOOL CALLBACK adoptChild(HWND window, LPARAM) {
    adopt(window, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return TRUE;
}

BOOL CALLBACK adoptWindowTree(HWND window, LPARAM) {
    adoptChild(window, 0);
    EnumChildWindows(window, adoptChild, 0);
    return TRUE;
}

} // namespace

void applyFlatStyle(int scheme) {
    frameColour = schemeColour(scheme);
    if (frameColour && !creationHook) {
        creationHook = SetWindowsHookExA(WH_CBT, watchCreation, nullptr, GetCurrentThreadId());
    }
    EnumThreadWindows(GetCurrentThreadId(), adoptWindowTree, 0);
}
