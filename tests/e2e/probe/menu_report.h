// The menu bar of a window as the program's own thread sees it.
#pragma once

#include <windows.h>

#include <string>

// One line per item, depth first: level, check state, enabled state, command id and caption,
// separated by kProbeFieldSeparator. A separator line holds only its level and "separator".
std::string menuBarReport(HWND window);
