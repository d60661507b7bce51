// Whether the program's menu bar has taken the keyboard (as a lone Alt press does), looked at
// once the program has handled all the input waiting for it: in that mode the next key goes
// to the menu bar instead of the window.
#include "command.h"
#include "output.h"
#include "process_handle.h"
#include "program_windows.h"

#include <stdexcept>

namespace {

constexpr DWORD kIdleTimeoutMs = 5000;

// "menu-mode yes|no".
int menuMode(Arguments) {
    HWND window = requireMainWindow();
    ProcessHandle process(processOf(window), SYNCHRONIZE | PROCESS_QUERY_INFORMATION);
    if (WaitForInputIdle(process.get(), kIdleTimeoutMs) != 0)
        throw std::runtime_error("the program does not get through its input");
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        throw std::runtime_error("cannot read the state of the program's GUI thread");
    printField("menu-mode", (info.flags & GUI_INMENUMODE) ? "yes" : "no");
    return 0;
}

constexpr Command kCommands[] = {
    {"menu-mode", "", 0, 0, menuMode},
};

} // namespace

std::span<const Command> menuModeCommands() {
    return kCommands;
}
