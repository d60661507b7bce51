// Screen and window geometry: what window placement and font sizes depend on.
#pragma once

#include <windows.h>

// Pixels per logical inch, vertically: what turns points into character heights.
int verticalDpi();

// Where a window of this outer size sits centred on the primary screen, kept on the
// screen when the screen is smaller than the window so its caption bar stays reachable.
POINT centredOrigin(int width, int height);

// The window's outer size: frame, caption bar and menu bar included.
SIZE outerSize(HWND window);
