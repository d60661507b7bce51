// Whether the program's menu bar has taken the keyboard (as a lone Alt press does), looked at
// once the program has handled all the input waiting for it: in that mode the next key goes
// to the menu bar instead of the window.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <stdexcept>

namespace {

constexpr DWORD kIdleTimeoutMs = 5000;

class ProcessHandle {
  public:
    explicit ProcessHandle(DWORD processId)
        : handle_(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
        if (!handle_) throw std::runtime_error("cannot open the program's process");
    }
    ~ProcessHandle() { CloseHandle(handle_); }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

// "menu-mode yes|no".
int menuMode(Arguments) {
    HWND window = requireMainWindow();
    ProcessHandle process(processOf(window));
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
