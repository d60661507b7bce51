// Shows the fatal error box and ends the process.
#include "fatal_exit.h"

#include "shell/exit_cleanup.h"

#include <windows.h>

void exitWithFatalError(const FatalError& error) {
    // Cleared first: whatever happens while the box is open, the clean-up must not run.
    clearExitCleanup();
    MessageBoxA(nullptr, fatalErrorText(error).c_str(), kFatalErrorTitle,
                MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
    ExitProcess(static_cast<UINT>(kFatalExitCode));
}
