// The process entry: makes the program directory current, starts OLE and the Win32
// host, runs the reader's entry and ends the process with its exit code.
#include "win32_host.h"

#include "core/lifecycle.h"
#include "shell/exit_cleanup.h"
#include "shell/text_rules.h"

#include <commctrl.h>
#include <ole2.h>

namespace {

Text programFilePath() {
    Text path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Text directory = directoryOfPath(programFilePath());
    // With the trailing backslash a drive root means the root, not that drive's
    // current directory.
    SetCurrentDirectoryA((directory + "\\").c_str());
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Host host(directory);
    installHost(host);
    int exitCode = programEntry();
    runExitCleanupOnce();
    ExitProcess(static_cast<UINT>(exitCode));
}
