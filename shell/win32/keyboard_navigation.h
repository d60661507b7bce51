// The keys that the program's windows handle before their controls see them, as a
// dialog does: Escape asks the window to close, Tab moves the focus to the next control
// and is never typed into an edit box.
#pragma once

#include <windows.h>

// `window` is the top-level window that `message` is for. True when the key was handled
// and the message must go no further.
bool handleNavigationKey(const MSG& message, HWND window);
