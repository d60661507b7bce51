// The program's icon, from the program file's resources, and the window classes that
// carry it.
#pragma once

#include <windows.h>

HICON programIcon();
HICON programSmallIcon();

// Registers a window class with the program's icon and the arrow cursor; a class that
// is already registered counts as success.
bool registerProgramWindowClass(const char* name, WNDPROC procedure, HBRUSH background);
