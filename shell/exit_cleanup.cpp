#include "exit_cleanup.h"

#include <atomic>

namespace {
// Taking the procedure out with one exchange is what makes it run once: the window
// closing on the GUI thread and endProgram on a worker may race to the end.
std::atomic<ExitCleanup> pendingCleanup{nullptr};
} // namespace

void setExitCleanup(ExitCleanup cleanup) {
    pendingCleanup.store(cleanup);
}

void runExitCleanupOnce() {
    if (const ExitCleanup cleanup = pendingCleanup.exchange(nullptr)) cleanup();
}

void clearExitCleanup() {
    pendingCleanup.store(nullptr);
}
