// The system-wide hotkeys: registration under ids 33001 upwards and the listener on the
// target window that turns a press into the feedback event of the receiver 标签1.
#pragma once

#include <windows.h>

class Hotkeys {
  public:
    // The id under which presses will be reported, or 0 when the platform refuses.
    int registerHotkey(HWND target, HWND receiver, int modifierCode, int virtualKey);

    // Releasing Alt after a lone Alt press opens the menu bar. A hotkey swallows the
    // other key, so releasing Alt after one looks the same; these tell them apart. The
    // times are the messages' own: when the program was busy, the platform can hand over
    // a hotkey before the Alt press that belongs to it, and that older press must not
    // undo the hotkey.
    void altKeyPressed(DWORD messageTime) {
        if (static_cast<LONG>(messageTime - hotkeyTime_) > 0) pressedSinceAlt_ = false;
    }
    bool pressedSinceAlt() const { return pressedSinceAlt_; }

  private:
    static LRESULT CALLBACK listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR subclassId, DWORD_PTR self);

    int registrations_ = 0; // refused ones count too, so ids never repeat
    bool listening_ = false;
    HWND receiver_ = nullptr;
    bool pressedSinceAlt_ = false;
    DWORD hotkeyTime_ = 0;
};
