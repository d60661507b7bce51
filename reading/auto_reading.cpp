#include "auto_reading.h"

#include "core/reader_state.h"
#include "shell/host_services.h"
#include "shell/text_rules.h"

#include <algorithm>

namespace {

constexpr int kStep = 3;
constexpr int kFastStep = 20;
constexpr int kFineStep = 2;
constexpr int kFastestPeriod = 1;

// Faster by 20 ms above 20, then by 2 ms, never below 1 ms.
int fasterPeriod(int period) {
    if (period > kFastStep) return period - kFastStep;
    return std::max(period - kFineStep, kFastestPeriod);
}

// While 时钟1 is stopped (auto-reading off or paused) the speed keys change only the
// pace to use next: applying the step to the stopped timer would start it unasked, or
// leave auto-reading checked with a period of 0.
void changePeriod(int period) {
    if (host().getTimerPeriod(Timer::时钟1) == 0) {
        reader.autoReadPeriod = period;
        return;
    }
    host().setTimerPeriod(Timer::时钟1, period);
    reader.autoReadPeriod = host().getTimerPeriod(Timer::时钟1);
}

void showBlockLength() {
    host().setMenuCaption(menuItem("阅读方形(5)"), blockCaption());
}

} // namespace

Text blockCaption() {
    return "阅读方形 (" + intToText(reader.readingBlockLength) + ")";
}

void handleAutoReadTick() {
    int start = host().getSelectionStart();
    host().setSelectionStart(start + kStep);
    host().setSelectionLength(reader.readingBlockLength);
    host().focusEditor();
    host().processPendingEvents();
}

// While auto-reading runs the timer's period and autoReadPeriod are the same value.
void handleFaster() {
    changePeriod(fasterPeriod(reader.autoReadPeriod));
}

void handleSlower() {
    changePeriod(reader.autoReadPeriod + kFastStep);
}

void handleLonger() {
    reader.readingBlockLength += 2;
    showBlockLength();
}

void handleShorter() {
    if (reader.readingBlockLength < 2) return;
    reader.readingBlockLength -= 2;
    showBlockLength();
}

void handleAutoReadToggle() {
    const bool on = !host().isMenuChecked(menuItem("自动阅读文本"));
    host().setMenuChecked(menuItem("自动阅读文本"), on);
    host().setMenuVisible(menuItem("自动阅读 "), on);
    host().setTimerPeriod(Timer::时钟1, on ? reader.autoReadPeriod : 0);
}
