// The Win32 host's main window services: visibility, the always-on-top band, caption,
// size and native handles.
#include "win32_host.h"

#include "screen.h"
#include "topmost_band.h"

bool Win32Host::mainWindowUsable() {
    if (mainWindow_) return true;
    if (ending_) return false;
    fatalError(windowNotLoadedError());
}

bool Win32Host::isWindowVisible() {
    return onMainWindow(false, [&] { return IsWindowVisible(mainWindow_) != 0; });
}

void Win32Host::setWindowVisible(bool visible) {
    onMainWindow([&] {
        if (!visible) {
            ShowWindow(mainWindow_, SW_HIDE);
            return;
        }
        ShowWindow(mainWindow_, SW_SHOW);
        SetForegroundWindow(mainWindow_);
    });
}

bool Win32Host::isWindowTopmost() {
    return onMainWindow(false, [&] { return topmost_; });
}

void Win32Host::setWindowTopmost(bool topmost) {
    onMainWindow([&] {
        topmost_ = topmost;
        placeInTopmostBand(mainWindow_, topmost);
    });
}

void Win32Host::setWindowCaption(const Text& caption) {
    onMainWindow([&] { SetWindowTextA(mainWindow_, caption.c_str()); });
}

WindowSize Win32Host::getWindowSize() {
    return onMainWindow(WindowSize{}, [&] {
        SIZE size = outerSize(mainWindow_);
        return WindowSize{size.cx, size.cy};
    });
}

NativeHandle Win32Host::getWindowHandle(WindowObject object) {
    return onMainWindow(NativeHandle{0}, [&] {
        HWND window = nullptr;
        switch (object) {
        case WindowObject::mainWindow:
            window = mainWindow_;
            break;
        case WindowObject::编辑框1:
            window = editor_.handle();
            break;
        case WindowObject::标签1:
            window = label_;
            break;
        }
        return reinterpret_cast<NativeHandle>(window);
    });
}
