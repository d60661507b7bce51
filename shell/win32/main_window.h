// The main window's frame: its class, the hidden owner that keeps it off the taskbar,
// and the window procedure that hands each message to the host.
#pragma once

#include <windows.h>

class Win32Host;

struct MainWindowFrame {
    HWND owner = nullptr;
    HWND window = nullptr; // nullptr when it could not be created
};

// Creates the window hidden, centred on the screen, with `menu` as its menu bar.
MainWindowFrame createMainWindow(Win32Host& host, HMENU menu);
