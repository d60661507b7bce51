// Finds the windows of the program under test among all the windows of the desktop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The program's main window: the top-level window with a menu bar of a process running the
// program file. The environment variable VELLUMRY_E2E_PROGRAM may name that file's Windows
// path exactly; without it any process whose file is named Vellumry.exe counts.
HWND findMainWindow();
HWND findMainWindowOf(DWORD processId);

// As findMainWindow, but throws when the program shows no main window.
HWND requireMainWindow();

// The editor: the main window's visible child with the largest area. Throws when none.
HWND requireEditor(HWND mainWindow);

// The visible message boxes (#32770 windows) of a process, in Z order.
std::vector<HWND> visibleMessageBoxes(DWORD processId);

// Brings the window to the front and waits until it is the foreground window; throws after
// two seconds.
void activateWindow(HWND window);

DWORD processOf(HWND window);
std::string windowText(HWND window);
std::string windowClass(HWND window);

// Sends a message and waits for the answer; a window that does not answer within ten
// seconds is an error naming `what` ("the editor", "the font dialog").
LRESULT sendOrThrow(const char* what, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
