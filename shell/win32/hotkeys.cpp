// Registers hotkeys and listens for them by subclassing the window they are sent to.
#include "hotkeys.h"

#include "shell/control_rules.h"
#include "shell/window_definitions.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kListenerId = 1;

} // namespace

int Hotkeys::registerHotkey(HWND target, HWND receiver, int modifierCode, int virtualKey) {
    if (!listening_) {
        listening_ =
            SetWindowSubclass(target, listener, kListenerId, reinterpret_cast<DWORD_PTR>(this));
    }
    int id = hotkeyIdForRegistration(++registrations_);
    receiver_ = receiver;
    if (!RegisterHotKey(target, id, hotkeyModifierBits(modifierCode),
                        static_cast<UINT>(virtualKey))) {
        return 0;
    }
    return id;
}

LRESULT CALLBACK Hotkeys::listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR self) {
    Hotkeys& hotkeys = *reinterpret_cast<Hotkeys*>(self);
    int id = static_cast<int>(wParam);
    int lastId = hotkeyIdForRegistration(hotkeys.registrations_);
    if (message == WM_HOTKEY && isReaderHotkeyId(id, lastId)) {
        hotkeys.pressedSinceAlt_ = true;
        hotkeys.hotkeyTime_ = static_cast<DWORD>(GetMessageTime());
        if (hotkeys.receiver_ && kEvents.hotkeyFeedback) kEvents.hotkeyFeedback(id, 0);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
