// The Win32 host's message routing: the keys handled before a control sees them, and
// the main window's messages turned into the logic's events.
#include "win32_host.h"

#include "keyboard_navigation.h"
#include "screen.h"

void Win32Host::dispatch(MSG& message) {
    if (filterMessage(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

bool Win32Host::filterMessage(MSG& message) {
    bool altFirstDown = message.message == WM_SYSKEYDOWN && message.wParam == VK_MENU &&
                        !(message.lParam & (1 << 30));
    if (altFirstDown) hotkeys_.altKeyPressed(message.time);
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!root) return false;
    if (root == mainWindow_) {
        // Before the editor sees them, so the shortcuts work while it has the focus.
        if (TranslateAcceleratorA(mainWindow_, accelerators_, &message)) return true;
        return handleNavigationKey(message, root);
    }
    if (root == findWindow_.handle()) {
        return findWindow_.swallowsKey(message) || handleNavigationKey(message, root);
    }
    return false;
}

void Win32Host::onCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        // A menu item or its shortcut.
        std::optional<MenuItem> item = MenuBar::itemForCommand(LOWORD(wParam));
        if (!item) return;
        if (MenuHandler handler = menuHandler(*item)) handler();
        return;
    }
    // The user's changes only: setEditorText raises the event itself.
    if (editor_.isTextChangeNotification(reinterpret_cast<HWND>(lParam), HIWORD(wParam)) &&
        kEvents.editorTextChanged) {
        kEvents.editorTextChanged();
    }
}

std::optional<HBRUSH> Win32Host::controlColours(HWND control, HDC dc) {
    return editor_.colours(control, dc);
}

void Win32Host::onTimer(WPARAM timerId) {
    std::optional<Timer> timer = Timers::timerFor(timerId);
    if (!timer || timers_.period(*timer) <= 0) return;
    if (auto tick = kEvents.timerTick[timerIndex(*timer)]) tick();
}

void Win32Host::onSizeChanged() {
    if (!sizeEventsLive_ || !mainWindow_) return;
    SIZE size = outerSize(mainWindow_);
    // Showing the window may report the size it already had.
    if (size.cx == reportedSize_.cx && size.cy == reportedSize_.cy) return;
    reportedSize_ = size;
    if (kEvents.sizeChanged) kEvents.sizeChanged();
}

void Win32Host::onFocused() {
    // As in a dialog, activating the window gives the focus to its control.
    if (editor_.handle()) editor_.focus();
}

bool Win32Host::onSystemCommand(WPARAM command, LPARAM lParam) {
    // lParam 0: the menu bar is being opened by the keyboard rather than by a mnemonic.
    bool loneAltRelease = (command & 0xFFF0) == SC_KEYMENU && lParam == 0;
    return loneAltRelease && hotkeys_.pressedSinceAlt();
}

void Win32Host::onCloseRequested() {
    if (ending_) return;
    if (kEvents.canBeClosed && !kEvents.canBeClosed()) return;
    if (mainWindow_) DestroyWindow(mainWindow_);
}

void Win32Host::onDestroyed() {
    ending_ = true;
    dropTarget_.revoke();
    mainWindow_ = nullptr;
    PostQuitMessage(0);
}
