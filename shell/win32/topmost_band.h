// The always-on-top band: each window's own flag, and moving windows in and out of it.
#pragma once

#include <windows.h>

// Records the window's own always-on-top flag and places it in or out of the band,
// without moving, sizing or activating it.
void placeInTopmostBand(HWND window, bool topmost);
