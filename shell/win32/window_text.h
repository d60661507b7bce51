// A window's text as GBK bytes.
#pragma once

#include "shell/text.h"

#include <windows.h>

#include <algorithm>

inline Text windowText(HWND window) {
    Text text(static_cast<std::size_t>(GetWindowTextLengthA(window)), '\0');
    // The length is an upper bound: the control may hold fewer bytes than it reports.
    int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}
