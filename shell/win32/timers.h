// The timers 时钟1 and 时钟2: their stored periods and the window timers that tick
// for them on the main window.
#pragma once

#include "shell/window_definitions.h"

#include <windows.h>

#include <optional>

class Timers {
  public:
    int period(Timer timer) const { return periods_[timerIndex(timer)]; }
    // A period equal to the stored one leaves a running countdown alone.
    void setPeriod(HWND window, Timer timer, int milliseconds);
    // The timer a WM_TIMER is for, if it is one of ours.
    static std::optional<Timer> timerFor(WPARAM timerId);

  private:
    int periods_[kTimerCount] = {};
};
