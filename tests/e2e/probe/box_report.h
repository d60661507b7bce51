// Which of the system's icons a message box shows.
#pragma once

#include <windows.h>

#include <string>

// "error", "question", "exclamation", "information", "none" or "other", and a line end.
std::string boxIconReport(HWND box);
