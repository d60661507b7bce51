// Keeps the program's windows in the always-on-top band that their own flags ask for.
#include "topmost_band.h"

namespace {

// The window's own flag travels with it as a window property, so any window of the
// program can be asked for it without a list of windows to keep up to date.
constexpr const char* kTopmostProperty = "VellumryTopmost";

bool hasTaskbarButton(HWND window) {
    LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    if (exStyle & WS_EX_APPWINDOW) return true;
    return !(exStyle & WS_EX_TOOLWINDOW) && !GetWindow(window, GW_OWNER);
}

void setBand(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool isInBand(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void leaveBand(HWND window) {
    setBand(window, false);
    if (!isInBand(window)) return;
    // Wine keeps an owned window in the band whatever it is told, and reports success;
    // without its owner for the moment of the move it leaves.
    LONG_PTR owner = GetWindowLongPtrA(window, GWLP_HWNDPARENT);
    SetWindowLongPtrA(window, GWLP_HWNDPARENT, 0);
    setBand(window, false);
    SetWindowLongPtrA(window, GWLP_HWNDPARENT, owner);
}

BOOL CALLBACK restoreOwnFlag(HWND window, LPARAM leaving) {
    if (window != reinterpret_cast<HWND>(leaving) && GetPropA(window, kTopmostProperty) &&
        !hasTaskbarButton(window)) {
        setBand(window, true);
    }
    return TRUE;
}

} // namespace

void placeInTopmostBand(HWND window, bool topmost) {
    if (topmost) {
        SetPropA(window, kTopmostProperty, reinterpret_cast<HANDLE>(1));
        setBand(window, true);
        return;
    }
    RemovePropA(window, kTopmostProperty);
    leaveBand(window);
    // Leaving the band takes the window's owned windows and owner out with it; those
    // that want to stay on top by their own flag are put back.
    EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), restoreOwnFlag,
                      reinterpret_cast<LPARAM>(window));
}
