// The exit clean-up registration: whichever way the program ends, the procedure the
// logic registered runs exactly once, and never after a fatal error.
#pragma once

using ExitCleanup = void (*)();

void setExitCleanup(ExitCleanup cleanup);
// Runs the registered clean-up unless it has already run or was cleared; safe to call
// from any thread and any number of times.
void runExitCleanupOnce();
// A fatal error ends the program without the clean-up.
void clearExitCleanup();
