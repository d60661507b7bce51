// Starts and stops the window timers behind 时钟1 and 时钟2.
#include "timers.h"

#include "shell/control_rules.h"

namespace {

UINT_PTR timerId(Timer timer) {
    return static_cast<UINT_PTR>(timerIndex(timer)) + 1;
}

} // namespace

void Timers::setPeriod(HWND window, Timer timer, int milliseconds) {
    TimerChange change = timerPeriodChange(period(timer), milliseconds);
    periods_[timerIndex(timer)] = change.period;
    if (!change.restart) return;
    KillTimer(window, timerId(timer));
    if (change.period > 0)
        SetTimer(window, timerId(timer), static_cast<UINT>(change.period), nullptr);
}

std::optional<Timer> Timers::timerFor(WPARAM id) {
    for (Timer timer : {Timer::时钟1, Timer::时钟2}) {
        if (timerId(timer) == id) return timer;
    }
    return std::nullopt;
}
