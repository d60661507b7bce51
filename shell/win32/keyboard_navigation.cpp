// Escape and Tab in the main window and the find window.
#include "keyboard_navigation.h"

bool handleNavigationKey(const MSG& message, HWND window) {
    if (message.message == WM_CHAR && (message.wParam == '\t' || message.wParam == VK_ESCAPE)) {
        return true;
    }
    if (message.message != WM_KEYDOWN) return false;
    switch (message.wParam) {
    case VK_ESCAPE:
        SendMessageA(window, WM_CLOSE, 0, 0);
        return true;
    case VK_TAB: {
        bool backwards = GetKeyState(VK_SHIFT) < 0;
        if (HWND next = GetNextDlgTabItem(window, GetFocus(), backwards)) SetFocus(next);
        return true;
    }
    default:
        return false;
    }
}
