// The Win32 host's menu item and timer services.
#include "win32_host.h"

bool Win32Host::isMenuChecked(MenuItem item) {
    return onMainWindow(false, [&] { return menuBar_.isChecked(item); });
}

void Win32Host::setMenuChecked(MenuItem item, bool checked) {
    onMainWindow([&] {
        if (menuBar_.setChecked(item, checked)) rebuildMenuBar();
    });
}

void Win32Host::setMenuVisible(MenuItem item, bool visible) {
    onMainWindow([&] {
        if (menuBar_.setVisible(item, visible)) rebuildMenuBar();
    });
}

void Win32Host::setMenuCaption(MenuItem item, const Text& caption) {
    onMainWindow([&] {
        if (menuBar_.setCaption(item, caption)) rebuildMenuBar();
    });
}

void Win32Host::rebuildMenuBar() {
    HMENU previous = GetMenu(mainWindow_);
    SetMenu(mainWindow_, menuBar_.build());
    if (previous) DestroyMenu(previous);
    DrawMenuBar(mainWindow_);
}

int Win32Host::getTimerPeriod(Timer timer) {
    return onMainWindow(0, [&] { return timers_.period(timer); });
}

void Win32Host::setTimerPeriod(Timer timer, int milliseconds) {
    onMainWindow([&] { timers_.setPeriod(mainWindow_, timer, milliseconds); });
}
