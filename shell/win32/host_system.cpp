// The Win32 host's hotkeys, drop target, visual style and beep.
#include "win32_host.h"

#include "flat_style.h"

namespace {

HWND windowOf(NativeHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

} // namespace

int Win32Host::registerHotkey(NativeHandle target, NativeHandle receiver, int modifierCode,
                              int virtualKey) {
    return onGuiThread([&] {
        return hotkeys_.registerHotkey(windowOf(target), windowOf(receiver), modifierCode,
                                       virtualKey);
    });
}

bool Win32Host::registerDropTarget(DropObject, NativeHandle window) {
    return onGuiThread([&] { return dropTarget_.registerOn(windowOf(window)); });
}

bool Win32Host::applyVisualStyle(int scheme) {
    onGuiThread([&] { applyFlatStyle(scheme); });
    return true;
}

void Win32Host::beep() {
    MessageBeep(MB_OK);
}
