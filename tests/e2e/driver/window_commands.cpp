// Subcommands about the main window as the desktop sees it: where it is, how it looks to the
// shell and whether it is up.
#include "command.h"
#include "flag_names.h"
#include "output.h"
#include "probe_client.h"
#include "program_windows.h"

#include <string>

namespace {

constexpr FlagName kStyles[] = {
    {WS_CAPTION, "WS_CAPTION"},
    {WS_SYSMENU, "WS_SYSMENU"},
    {WS_THICKFRAME, "WS_THICKFRAME"},
    {WS_MINIMIZEBOX, "WS_MINIMIZEBOX"},
    {WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"},
    {WS_VISIBLE, "WS_VISIBLE"},
    {WS_POPUP, "WS_POPUP"},
    {WS_DISABLED, "WS_DISABLED"},
};

constexpr FlagName kExtendedStyles[] = {
    {WS_EX_TOPMOST, "WS_EX_TOPMOST"},
    {WS_EX_TOOLWINDOW, "WS_EX_TOOLWINDOW"},
    {WS_EX_APPWINDOW, "WS_EX_APPWINDOW"},
    {WS_EX_ACCEPTFILES, "WS_EX_ACCEPTFILES"},
    {WS_EX_DLGMODALFRAME, "WS_EX_DLGMODALFRAME"},
    {WS_EX_WINDOWEDGE, "WS_EX_WINDOWEDGE"},
    {WS_EX_LAYERED, "WS_EX_LAYERED"},
};

long long epochMilliseconds() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr unsigned long long kEpochOffset = 116444736000000000ULL; // 1601 to 1970 in 100 ns
    return static_cast<long long>((ticks - kEpochOffset) / 10000);
}

// Waits for the main window to be visible with the given caption; prints the wall-clock
// moment it was seen, in Unix milliseconds, for start-up timing.
int waitWindow(Arguments args) {
    const std::string caption = args[0];
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(numberArgument(args[1]));
    HWND window = nullptr;
    do {
        window = findMainWindow();
        if (window && IsWindowVisible(window) && windowText(window) == caption) {
            printField("shown-at", std::to_string(epochMilliseconds()));
            return 0;
        }
        Sleep(10);
    } while (static_cast<long>(deadline - GetTickCount()) > 0);
    printField("timeout", window ? windowText(window) : std::string("(no main window)"));
    return 1;
}

// Asking for the desktop window also brings up Wine's desktop process when it is not running.
int screen(Arguments) {
    RECT r{};
    GetWindowRect(GetDesktopWindow(), &r);
    printLine(std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top));
    return 0;
}

int windowRect(Arguments) {
    RECT r{};
    GetWindowRect(requireMainWindow(), &r);
    printLine(std::to_string(r.left) + " " + std::to_string(r.top) + " " +
              std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top));
    return 0;
}

// The client area's top-left corner on the screen, then its size.
int clientRect(Arguments) {
    HWND window = requireMainWindow();
    RECT r{};
    GetClientRect(window, &r);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    printLine(std::to_string(origin.x) + " " + std::to_string(origin.y) + " " +
              std::to_string(r.right) + " " + std::to_string(r.bottom));
    return 0;
}

int style(Arguments) {
    printLine(flagsText(GetWindowLongA(requireMainWindow(), GWL_STYLE), kStyles));
    return 0;
}

int exStyle(Arguments) {
    printLine(flagsText(GetWindowLongA(requireMainWindow(), GWL_EXSTYLE), kExtendedStyles));
    return 0;
}

int isVisible(Arguments) {
    printLine(IsWindowVisible(requireMainWindow()) ? "visible" : "hidden");
    return 0;
}

int caption(Arguments) {
    printLine(windowText(requireMainWindow()));
    return 0;
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

// The shell gives a top-level window a taskbar button when it is unowned and not a tool
// window, or whenever it has WS_EX_APPWINDOW.
int taskbar(Arguments) {
    HWND window = requireMainWindow();
    HWND owner = GetWindow(window, GW_OWNER);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    const bool appWindow = exStyle & WS_EX_APPWINDOW;
    const bool toolWindow = exStyle & WS_EX_TOOLWINDOW;
    printField("owner", yesNo(owner));
    printField("owner-visible", yesNo(owner && IsWindowVisible(owner)));
    printField("appwindow", yesNo(appWindow));
    printField("toolwindow", yesNo(toolWindow));
    printField("button", yesNo(appWindow || (!owner && !toolWindow)));
    return 0;
}

// Before a screenshot: the program's thread paints everything still waiting to be painted.
int finishPainting(Arguments) {
    std::string reply = askProbe(requireMainWindow(), ProbeRequest::finishPainting);
    if (!reply.empty() && reply.back() == '\n') reply.pop_back();
    printLine(reply);
    return 0;
}

int foreground(Arguments) {
    printLine(GetForegroundWindow() == requireMainWindow() ? "foreground" : "background");
    return 0;
}

constexpr Command kCommands[] = {
    {"wait-window", "<caption> <timeout ms>", 2, 2, waitWindow},
    {"screen", "", 0, 0, screen},
    {"window-rect", "", 0, 0, windowRect},
    {"client-rect", "", 0, 0, clientRect},
    {"style", "", 0, 0, style},
    {"exstyle", "", 0, 0, exStyle},
    {"is-visible", "", 0, 0, isVisible},
    {"caption", "", 0, 0, caption},
    {"taskbar", "", 0, 0, taskbar},
    {"foreground", "", 0, 0, foreground},
    {"finish-painting", "", 0, 0, finishPainting},
};

} // namespace

std::span<const Command> windowCommands() {
    return kCommands;
}
