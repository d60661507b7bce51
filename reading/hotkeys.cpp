#include "hotkeys.h"

#include "auto_reading.h"
#include "core/reader_state.h"
#include "shell/host_services.h"

void toggleWindowShown() {
    const bool show = !host().isWindowVisible();
    host().setWindowVisible(show);
    if (host().isMenuChecked(menuItem("自动阅读文本"))) {
        host().setTimerPeriod(Timer::时钟1, show ? reader.autoReadPeriod : 0);
    }
}

// A refused registration holds 0, and no press ever carries 0.
void handleHotkeyFeedback(int id, int) {
    if (id == 0) return;
    if (id == reader.hotkeyFaster) handleFaster();
    if (id == reader.hotkeySlower) handleSlower();
    if (id == reader.hotkeyLonger) handleLonger();
    if (id == reader.hotkeyShorter) handleShorter();
    if (id == reader.hotkeyHide) toggleWindowShown();
    if (id == reader.hotkeyAutoRead) handleAutoReadToggle();
}
