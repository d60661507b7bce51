#include "timing.h"

#include <cstdio>

Watchdog::Watchdog(DWORD milliseconds, std::string report)
    : milliseconds_(milliseconds), report_(std::move(report)),
      disarmed_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, watch, this, 0, nullptr)) {
}

Watchdog::~Watchdog() {
    SetEvent(disarmed_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(disarmed_);
}

DWORD WINAPI Watchdog::watch(void* self) {
    auto* dog = static_cast<Watchdog*>(self);
    if (WaitForSingleObject(dog->disarmed_, dog->milliseconds_) == WAIT_TIMEOUT) {
        std::fputs(dog->report_.c_str(), stdout);
        std::fflush(stdout);
        ExitProcess(0);
    }
    return 0;
}
