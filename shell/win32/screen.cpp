// Screen resolution, centring and window sizes.
#include "screen.h"

#include <algorithm>

int verticalDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

POINT centredOrigin(int width, int height) {
    int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return {std::max(left, 0), std::max(top, 0)};
}

SIZE outerSize(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}
